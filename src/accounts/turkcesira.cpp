#include "turkcesira.h"

#include "turkce.h"

namespace TurkceSira {

bool AgirlikEkle(QStringView metin, std::vector<quint16>& agirliklar) {
    const size_t bas = agirliklar.size();
    for (QChar c : metin) {
        const quint16 a = Turkce::Agirlik(c.unicode());
        if (a == 0) {
            agirliklar.resize(bas);
            return false;
        }
        agirliklar.push_back(a);
    }
    return true;
}

}  // namespace TurkceSira

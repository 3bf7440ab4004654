#include "turkcesira.h"

#include <QCollator>
#include <QString>
#include <algorithm>
#include <array>

#include "turkce.h"

namespace TurkceSira {

namespace {

constexpr char16_t kSinir = 0x160;  // past ş

// The weights are the collator's own order of the single characters: letters
// that it holds equal (a case pair, I and ı, İ and i) share a weight. Within
// this set every character has a primary weight of its own and none expands
// or contracts, so a text's order is the order of its characters' weights.
std::array<quint16, kSinir> tabloKur() {
    std::array<quint16, kSinir> tablo{};
    std::vector<char16_t> adaylar;
    for (char16_t c = 0x20; c <= 0x7E; ++c) adaylar.push_back(c);
    for (char16_t c : {u'Ç', u'Ö', u'Ü', u'ç', u'ö', u'ü', u'Ğ', u'ğ', u'İ', u'ı', u'Ş', u'ş'})
        adaylar.push_back(c);
    QCollator harman(Turkce::Yerel());
    harman.setCaseSensitivity(Qt::CaseInsensitive);
    auto karsilastir = [&harman](char16_t a, char16_t b) {
        return harman.compare(QStringView(&a, 1), QStringView(&b, 1));
    };
    std::stable_sort(adaylar.begin(), adaylar.end(),
                     [&karsilastir](char16_t a, char16_t b) { return karsilastir(a, b) < 0; });
    quint16 agirlik = 1;
    for (size_t i = 0; i < adaylar.size(); ++i) {
        if (i > 0 && karsilastir(adaylar[i - 1], adaylar[i]) != 0) ++agirlik;
        tablo[adaylar[i]] = agirlik;
    }
    return tablo;
}

const std::array<quint16, kSinir>& tablo() {
    static const std::array<quint16, kSinir> t = tabloKur();
    return t;
}

}  // namespace

bool AgirlikEkle(QStringView metin, std::vector<quint16>& agirliklar) {
    const auto& t = tablo();
    const size_t bas = agirliklar.size();
    for (QChar c : metin) {
        const char16_t k = c.unicode();
        const quint16 a = k < kSinir ? t[k] : 0;
        if (a == 0) {
            agirliklar.resize(bas);
            return false;
        }
        agirliklar.push_back(a);
    }
    return true;
}

}  // namespace TurkceSira

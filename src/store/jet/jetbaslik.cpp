#include "jetbaslik.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace Jet::Baslik {

namespace {

constexpr int kSurumYeri = 0x14;
constexpr int kBlokYeri = 0x18;
constexpr int kParolaYeri = 0x42;
constexpr int kTarihYeri = 0x72;
constexpr int kBlokBoyu = 128;  // Jet 3 masks 126 bytes of it
constexpr char kImza[] = "Standard Jet DB";

// Jet accepts dates from the year 100 to 9999; anything beyond is damage.
constexpr double kEnKucukGun = -657434.0;
constexpr double kEnBuyukGun = 2958466.0;

}  // namespace

void Rc4(const quint8* anahtar, int anahtarBoyu, quint8* veri, int boy) {
    quint8 s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<quint8>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + anahtar[i % anahtarBoyu]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int n = 0, i = 0, j = 0; n < boy; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        veri[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

int Surum(const char* veri, qsizetype boy) {
    if (boy < kSurumYeri + 4) return -1;
    if (veri[0] != 0) return -1;
    if (std::memcmp(veri + 4, kImza, sizeof(kImza)) != 0) return -1;
    const quint32 surum = qFromLittleEndian<quint32>(veri + kSurumYeri);
    if (surum == kJet3 || surum == kJet4) return static_cast<int>(surum);
    return -1;
}

QByteArray Oku(const QString& yol) {
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(kBlokYeri + kBlokBoyu);
}

QString Parola(const QByteArray& baslik) {
    const int surum = Surum(baslik.constData(), baslik.size());
    if (surum < 0 || baslik.size() < kBlokYeri + kBlokBoyu) return {};
    QByteArray b = baslik.left(kBlokYeri + kBlokBoyu);
    const quint8 anahtar[4] = {0xC7, 0xDA, 0x39, 0x6B};
    Rc4(anahtar, 4, reinterpret_cast<quint8*>(b.data() + kBlokYeri),
        surum == kJet3 ? kBlokBoyu - 2 : kBlokBoyu);
    QString parola(QLatin1String(""));
    if (surum == kJet3) {
        // Jet 3 keeps up to 20 single-byte characters, unmasked.
        for (int i = 0; i < 20 && b[kParolaYeri + i] != 0; ++i)
            parola.append(QChar(static_cast<uchar>(b[kParolaYeri + i])));
        return parola;
    }
    // Jet 4 keeps 20 UCS-2 characters, masked once more by the whole days of
    // the creation date.
    const double tarih = qFromLittleEndian<double>(b.constData() + kTarihYeri);
    quint8 maske[4] = {0, 0, 0, 0};
    if (std::isfinite(tarih) && std::fabs(tarih) < 2147483647.0)
        qToLittleEndian<qint32>(static_cast<qint32>(tarih), maske);
    for (int i = 0; i < 20; ++i) {
        const quint8 lo = static_cast<quint8>(b[kParolaYeri + 2 * i]) ^ maske[(2 * i) % 4];
        const quint8 hi = static_cast<quint8>(b[kParolaYeri + 2 * i + 1]) ^ maske[(2 * i + 1) % 4];
        const char16_t c = static_cast<char16_t>(lo | (hi << 8));
        if (c == 0) break;
        parola.append(QChar(c));
    }
    return parola;
}

QDateTime TarihSaat(double jet) {
    if (!std::isfinite(jet) || jet < kEnKucukGun || jet > kEnBuyukGun) return {};
    double gun = std::trunc(jet);
    qint64 ms = std::llround(std::fabs(jet - gun) * 86400000.0);
    if (ms >= 86400000) {
        gun += 1;
        ms -= 86400000;
    }
    static const QDate sifir(1899, 12, 30);
    return QDateTime(sifir.addDays(static_cast<qint64>(gun)),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), Qt::UTC);
}

}  // namespace Jet::Baslik

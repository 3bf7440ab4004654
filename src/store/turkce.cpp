#include "turkce.h"

#include <QCollator>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "zaman.h"

namespace Turkce {

const QLocale& Yerel() {
    static const QLocale yerel(QLocale::Turkish, QLocale::Turkey);
    return yerel;
}

const QCollator& Harmanlayici() {
    static const QCollator c = [] {
        QCollator k(Yerel());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        k.setIgnorePunctuation(false);
        return k;
    }();
    return c;
}

namespace {

constexpr char16_t kSinir = 0x160;  // past ş

// The weights are the collator's own order of the single characters: letters
// it holds equal (a case pair, I and ı, İ and i) share a weight. Within this
// set every character has a primary weight of its own and none expands or
// forms a pair with another, so comparing two texts' weights one by one gives
// the collator's answer at a fraction of its cost.
std::array<quint16, kSinir> agirlikTablosu() {
    std::array<quint16, kSinir> tablo{};
    std::vector<char16_t> adaylar;
    for (char16_t c = 0x20; c <= 0x7E; ++c) adaylar.push_back(c);
    for (char16_t c : {u'Ç', u'Ö', u'Ü', u'ç', u'ö', u'ü', u'Ğ', u'ğ', u'İ', u'ı', u'Ş', u'ş'})
        adaylar.push_back(c);
    auto karsilastir = [](char16_t a, char16_t b) {
        return Harmanlayici().compare(QStringView(&a, 1), QStringView(&b, 1));
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

using Tablo = std::array<quint16, kSinir>;

const Tablo& agirliklar() {
    static const Tablo t = agirlikTablosu();
    return t;
}

inline quint16 agirlik(const Tablo& t, char16_t c) {
    return c < kSinir ? t[c] : 0;
}

}  // namespace

quint16 Agirlik(char16_t c) {
    return agirlik(agirliklar(), c);
}

int Karsilastir(QStringView a, QStringView b) {
    const Tablo& t = agirliklar();
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const quint16 sa = agirlik(t, a[i].unicode()), sb = agirlik(t, b[i].unicode());
        if (!sa || !sb) return Harmanlayici().compare(a, b);
        if (sa != sb) return sa < sb ? -1 : 1;
    }
    // Equal so far: the longer text comes later, as long as its tail is plain too.
    const QStringView uzun = a.size() > b.size() ? a : b;
    for (qsizetype i = n; i < uzun.size(); ++i)
        if (!agirlik(t, uzun[i].unicode())) return Harmanlayici().compare(a, b);
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

// The next character of a UTF-8 text as its order; 0 for one outside the plain
// set (or a broken sequence), which sends the whole comparison to the collator.
quint16 utf8Sira(const Tablo& t, const uchar*& p, const uchar* son) {
    const uchar c = *p;
    if (c < 0x80) {
        ++p;
        return agirlik(t, c);
    }
    if ((c & 0xE0) == 0xC0 && p + 1 < son && (p[1] & 0xC0) == 0x80) {
        const char16_t kod = static_cast<char16_t>(((c & 0x1F) << 6) | (p[1] & 0x3F));
        p += 2;
        return agirlik(t, kod);
    }
    return 0;
}

}  // namespace

int KarsilastirUtf8(const char* a, int uzA, const char* b, int uzB) {
    const Tablo& t = agirliklar();
    const uchar* pa = reinterpret_cast<const uchar*>(a);
    const uchar* pb = reinterpret_cast<const uchar*>(b);
    const uchar* sonA = pa + uzA;
    const uchar* sonB = pb + uzB;
    const auto yavas = [&] {
        return Karsilastir(QString::fromUtf8(a, uzA), QString::fromUtf8(b, uzB));
    };
    while (pa < sonA && pb < sonB) {
        const quint16 sa = utf8Sira(t, pa, sonA);
        const quint16 sb = utf8Sira(t, pb, sonB);
        if (!sa || !sb) return yavas();
        if (sa != sb) return sa < sb ? -1 : 1;
    }
    // Equal so far: the longer text comes later, as long as its tail is plain too.
    for (const uchar* p = pa; p < sonA;)
        if (!utf8Sira(t, p, sonA)) return yavas();
    for (const uchar* p = pb; p < sonB;)
        if (!utf8Sira(t, p, sonB)) return yavas();
    if (pa < sonA) return 1;
    if (pb < sonB) return -1;
    return 0;
}

bool Esit(QStringView a, QStringView b) {
    return Karsilastir(a, b) == 0;
}

QString Tarih(const QDate& gun) {
    if (!gun.isValid() || gun == Zaman::SifirTarih()) return QString();
    return gun.toString(QStringLiteral("dd.MM.yyyy"));
}

QString Sayi(double deger, int ondalik) {
    return Yerel().toString(deger, 'f', ondalik);
}

QString Tutar(double deger) {
    // Avoid "-0,00" for tiny negative rounding remainders.
    if (std::fabs(deger) < 0.005) deger = 0.0;
    return Sayi(deger, 2);
}

QString KisaTutar(double deger) {
    double yuvarlak = std::round(deger * 100.0) / 100.0;
    if (yuvarlak == 0.0) return QStringLiteral("0");
    QString s = Sayi(yuvarlak, 2);
    const QChar virgul = Yerel().decimalPoint().at(0);
    if (s.contains(virgul)) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(virgul)) s.chop(1);
    }
    return s;
}

}  // namespace Turkce

#include "turkce.h"

#include <QCollator>
#include <array>
#include <cmath>

#include "zaman.h"

namespace Turkce {

const QLocale& Yerel() {
    static const QLocale yerel(QLocale::Turkish, QLocale::Turkey);
    return yerel;
}

namespace {
const QCollator& harmanlayici() {
    static const QCollator c = [] {
        QCollator k(Yerel());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        k.setIgnorePunctuation(false);
        return k;
    }();
    return c;
}
}  // namespace

namespace {

// The order of the characters most names are made of: the blank, the digits
// and the letters of the Turkish alphabet with q, w and x in their Latin
// places, case ignored (I is ı, İ is i). These have no accents and form no
// letter pairs, so comparing them one by one gives the collator's answer at a
// fraction of its cost. 0: any other character, left to the collator.
class HizliSira {
public:
    HizliSira() {
        sira_.fill(0);
        sira_[' '] = 1;
        for (char r = '0'; r <= '9'; ++r)
            sira_[static_cast<uchar>(r)] = static_cast<quint8>(10 + (r - '0'));
        const char16_t kucuk[] = u"abcçdefgğhıijklmnoöpqrsştuüvwxyz";
        const char16_t buyuk[] = u"ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ";
        for (int i = 0; kucuk[i]; ++i) {
            sira_[kucuk[i]] = static_cast<quint8>(30 + i);
            sira_[buyuk[i]] = static_cast<quint8>(30 + i);
        }
        // İ sits where I would: it is the capital of i.
        sira_[u'İ'] = sira_[u'i'];
        sira_[u'I'] = sira_[u'ı'];
    }
    quint8 operator()(QChar c) const { return c.unicode() < kBoyut ? sira_[c.unicode()] : 0; }

private:
    static constexpr char16_t kBoyut = 0x160;  // up to ş
    std::array<quint8, kBoyut> sira_;
};

const HizliSira& hizliSira() {
    static const HizliSira s;
    return s;
}

}  // namespace

int Karsilastir(QStringView a, QStringView b) {
    const HizliSira& sira = hizliSira();
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const quint8 sa = sira(a[i]), sb = sira(b[i]);
        if (!sa || !sb) return harmanlayici().compare(a, b);
        if (sa != sb) return sa < sb ? -1 : 1;
    }
    // Equal so far: the longer text comes later, as long as its tail is plain too.
    const QStringView uzun = a.size() > b.size() ? a : b;
    for (qsizetype i = n; i < uzun.size(); ++i)
        if (!sira(uzun[i])) return harmanlayici().compare(a, b);
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

// The next character of a UTF-8 text as its order; 0 for one outside the plain
// set (or a broken sequence), which sends the whole comparison to the collator.
quint8 utf8Sira(const HizliSira& sira, const uchar*& p, const uchar* son) {
    const uchar c = *p;
    if (c < 0x80) {
        ++p;
        return sira(QChar(c));
    }
    if ((c & 0xE0) == 0xC0 && p + 1 < son && (p[1] & 0xC0) == 0x80) {
        const char16_t kod = static_cast<char16_t>(((c & 0x1F) << 6) | (p[1] & 0x3F));
        p += 2;
        return sira(QChar(kod));
    }
    return 0;
}

}  // namespace

int KarsilastirUtf8(const char* a, int uzA, const char* b, int uzB) {
    const HizliSira& sira = hizliSira();
    const uchar* pa = reinterpret_cast<const uchar*>(a);
    const uchar* pb = reinterpret_cast<const uchar*>(b);
    const uchar* sonA = pa + uzA;
    const uchar* sonB = pb + uzB;
    const auto yavas = [&] {
        return Karsilastir(QString::fromUtf8(a, uzA), QString::fromUtf8(b, uzB));
    };
    while (pa < sonA && pb < sonB) {
        const quint8 sa = utf8Sira(sira, pa, sonA);
        const quint8 sb = utf8Sira(sira, pb, sonB);
        if (!sa || !sb) return yavas();
        if (sa != sb) return sa < sb ? -1 : 1;
    }
    // Equal so far: the longer text comes later, as long as its tail is plain too.
    for (const uchar* p = pa; p < sonA;)
        if (!utf8Sira(sira, p, sonA)) return yavas();
    for (const uchar* p = pb; p < sonB;)
        if (!utf8Sira(sira, p, sonB)) return yavas();
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

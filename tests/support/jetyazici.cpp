#include "jetyazici.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

#include "jetbaslik.h"

namespace JetYazici {

namespace {

constexpr int kSatirSayisiYeri = 12;  // row count of a data page; the offsets follow
constexpr int kSutunGirdisi = 25;
constexpr int kIlkSutun = 63;

void yaz16(QByteArray& b, int yer, quint16 d) {
    qToLittleEndian<quint16>(d, b.data() + yer);
}
void yaz32(QByteArray& b, int yer, quint32 d) {
    qToLittleEndian<quint32>(d, b.data() + yer);
}

void ekle16(QByteArray& b, quint16 d) {
    char t[2];
    qToLittleEndian<quint16>(d, t);
    b.append(t, 2);
}

void ekle32(QByteArray& b, quint32 d) {
    char t[4];
    qToLittleEndian<quint32>(d, t);
    b.append(t, 4);
}

void ekle64(QByteArray& b, quint64 d) {
    char t[8];
    qToLittleEndian<quint64>(d, t);
    b.append(t, 8);
}

bool sabit(Tip t) {
    return t != Tip::Metin && t != Tip::Ole;
}

int sabitBoy(Tip t) {
    switch (t) {
        case Tip::Evet:
            return 0;
        case Tip::Bayt:
            return 1;
        case Tip::Tamsayi:
            return 2;
        case Tip::Uzun:
        case Tip::Tekli:
            return 4;
        default:
            return 8;
    }
}

// Where each column sits in a row: fixed columns in the fixed area, text
// columns in the variable list.
struct Yerlesim {
    QList<int> sabitYer;  // per column, -1 for variable
    QList<int> degiskenNo;
    int sabitAlan = 0;
    int degiskenSayisi = 0;
};

Yerlesim yerlestir(const QList<Sutun>& sutunlar) {
    Yerlesim y;
    for (const Sutun& s : sutunlar) {
        if (sabit(s.tip)) {
            y.sabitYer.append(y.sabitAlan);
            y.degiskenNo.append(-1);
            y.sabitAlan += sabitBoy(s.tip);
        } else {
            y.sabitYer.append(-1);
            y.degiskenNo.append(y.degiskenSayisi++);
        }
    }
    return y;
}

QByteArray sabitDeger(const Sutun& s, const QVariant& v) {
    QByteArray b;
    switch (s.tip) {
        case Tip::Evet:
            break;
        case Tip::Bayt:
            b.append(static_cast<char>(v.toInt()));
            break;
        case Tip::Tamsayi:
            ekle16(b, static_cast<quint16>(v.toInt()));
            break;
        case Tip::Uzun:
            ekle32(b, static_cast<quint32>(v.toLongLong()));
            break;
        case Tip::Para:
            ekle64(b, static_cast<quint64>(std::llround(v.toDouble() * 10000.0)));
            break;
        case Tip::Tekli: {
            const float f = v.toFloat();
            quint32 bit;
            std::memcpy(&bit, &f, 4);
            ekle32(b, bit);
            break;
        }
        case Tip::Cift:
        case Tip::Tarih: {
            const double d = (s.tip == Tip::Tarih && v.typeId() == QMetaType::QDateTime)
                                 ? JetTarihi(v.toDateTime())
                                 : v.toDouble();
            quint64 bit;
            std::memcpy(&bit, &d, 8);
            ekle64(b, bit);
            break;
        }
        case Tip::Metin:
        case Tip::Ole:
            break;
    }
    return b;
}

QByteArray satirKodla(const QList<Sutun>& sutunlar, const Yerlesim& y,
                      const QVariantList& degerler) {
    const int n = static_cast<int>(sutunlar.size());
    QByteArray satir;
    ekle16(satir, static_cast<quint16>(n));
    QByteArray sabitAlan(y.sabitAlan, '\0');
    QByteArray maske((n + 7) / 8, '\0');
    QList<QByteArray> degisken(y.degiskenSayisi);
    for (int i = 0; i < n; ++i) {
        const Sutun& s = sutunlar[i];
        const QVariant v = i < degerler.size() ? degerler[i] : QVariant();
        bool dolu = v.isValid();
        if (s.tip == Tip::Evet) dolu = dolu && v.toBool();  // Yes/No lives in the mask
        if (dolu) maske[i / 8] = static_cast<char>(maske[i / 8] | (1 << (i % 8)));
        if (!v.isValid()) continue;
        if (sabit(s.tip)) {
            const QByteArray b = sabitDeger(s, v);
            std::memcpy(sabitAlan.data() + y.sabitYer[i], b.constData(), b.size());
        } else if (s.tip == Tip::Metin) {
            degisken[y.degiskenNo[i]] = MetinKodla(v.toString(), s.sikistir);
        }
    }
    satir.append(sabitAlan);
    if (y.degiskenSayisi > 0) {
        QList<quint16> yerler;
        for (const QByteArray& d : degisken) {
            yerler.append(static_cast<quint16>(satir.size()));
            satir.append(d);
        }
        ekle16(satir, static_cast<quint16>(satir.size()));  // end of the variable data
        for (int i = static_cast<int>(yerler.size()) - 1; i >= 0; --i) ekle16(satir, yerler[i]);
        ekle16(satir, static_cast<quint16>(y.degiskenSayisi));
    }
    satir.append(maske);
    return satir;
}

// A page of rows: rows fill the page from its end toward the offset table.
QByteArray satirSayfasi(quint32 sahip, const QList<QByteArray>& satirlar) {
    QByteArray s(kSayfa, '\0');
    s[0] = 0x01;
    s[1] = 0x01;
    yaz32(s, 4, sahip);
    yaz16(s, kSatirSayisiYeri, static_cast<quint16>(satirlar.size()));
    int son = kSayfa;
    for (int i = 0; i < satirlar.size(); ++i) {
        son -= static_cast<int>(satirlar[i].size());
        std::memcpy(s.data() + son, satirlar[i].constData(), satirlar[i].size());
        yaz16(s, kSatirSayisiYeri + 2 + i * 2, static_cast<quint16>(son));
    }
    yaz16(s, 2, static_cast<quint16>(son - (kSatirSayisiYeri + 2 + satirlar.size() * 2)));
    return s;
}

QList<QList<QByteArray>> sayfalaraBol(const QList<QByteArray>& satirlar) {
    QList<QList<QByteArray>> sayfalar;
    QList<QByteArray> sayfa;
    int bos = kSayfa - kSatirSayisiYeri - 2;
    for (const QByteArray& s : satirlar) {
        const int gerek = static_cast<int>(s.size()) + 2;
        if (gerek > bos && !sayfa.isEmpty()) {
            sayfalar.append(sayfa);
            sayfa.clear();
            bos = kSayfa - kSatirSayisiYeri - 2;
        }
        sayfa.append(s);
        bos -= gerek;
    }
    if (!sayfa.isEmpty()) sayfalar.append(sayfa);
    return sayfalar;
}

// Inline usage map: type 0, the first page, then one bit per page from there.
QByteArray kullanimHaritasi(quint32 ilk, int sayi) {
    QByteArray h;
    h.append('\0');
    ekle32(h, ilk);
    QByteArray bitler((sayi + 7) / 8 + 1, '\0');
    for (int i = 0; i < sayi; ++i)
        bitler[i / 8] = static_cast<char>(bitler[i / 8] | (1 << (i % 8)));
    h.append(bitler);
    return h;
}

QByteArray tanimSayfasi(const Tablo& t, const Yerlesim& y, quint32 haritaSayfasi, bool sistem) {
    QByteArray s(kSayfa, '\0');
    s[0] = 0x02;
    s[1] = 0x01;
    s[2] = 'V';
    s[3] = 'C';
    const int n = static_cast<int>(t.sutunlar.size());
    yaz32(s, 16, static_cast<quint32>(t.satirlar.size()));
    qint64 enBuyuk = 0;
    for (int i = 0; i < n; ++i)
        if (t.sutunlar[i].otomatik)
            for (const QVariantList& r : t.satirlar)
                if (i < r.size()) enBuyuk = std::max(enBuyuk, r[i].toLongLong());
    yaz32(s, 20, static_cast<quint32>(enBuyuk + 1));  // next autonumber
    s[40] = static_cast<char>(sistem ? 0x53 : 0x4E);
    yaz16(s, 41, static_cast<quint16>(n));
    yaz16(s, 43, static_cast<quint16>(y.degiskenSayisi));
    yaz16(s, 45, static_cast<quint16>(n));
    yaz32(s, 55, haritaSayfasi << 8);        // usage map: row 0 of the map page
    yaz32(s, 59, (haritaSayfasi << 8) | 1);  // free-space map: row 1
    int yer = kIlkSutun;
    for (int i = 0; i < n; ++i) {
        const Sutun& c = t.sutunlar[i];
        s[yer] = static_cast<char>(c.tip);
        yaz16(s, yer + 5, static_cast<quint16>(i));
        yaz16(s, yer + 7, static_cast<quint16>(y.degiskenNo[i] < 0 ? 0 : y.degiskenNo[i]));
        yaz16(s, yer + 9, static_cast<quint16>(i));
        if (c.tip == Tip::Metin) yaz16(s, yer + 11, 0x041F);  // Turkish sort order
        quint8 bayrak = 0x02;                                 // may be NULL
        if (sabit(c.tip)) bayrak |= 0x01;
        if (c.otomatik) bayrak |= 0x04;
        s[yer + 15] = static_cast<char>(bayrak);
        yaz16(s, yer + 21, static_cast<quint16>(y.sabitYer[i] < 0 ? 0 : y.sabitYer[i]));
        const int boy =
            c.tip == Tip::Metin ? c.uzunluk * 2 : (c.tip == Tip::Ole ? 0 : sabitBoy(c.tip));
        yaz16(s, yer + 23, static_cast<quint16>(boy));
        yer += kSutunGirdisi;
    }
    for (const Sutun& c : t.sutunlar) {
        yaz16(s, yer, static_cast<quint16>(c.ad.size() * 2));
        yer += 2;
        for (QChar ch : c.ad) {
            yaz16(s, yer, ch.unicode());
            yer += 2;
        }
    }
    yaz32(s, 8, static_cast<quint32>(yer));  // length of the definition
    return s;
}

QByteArray baslikSayfasi(const Dosya& d) {
    QByteArray s(kSayfa, '\0');
    s[1] = 0x01;
    std::memcpy(s.data() + 4, "Standard Jet DB", 16);
    s[0x14] = static_cast<char>(d.surum);
    yaz16(s, 0x3C, 1254);    // code page
    yaz16(s, 0x6E, 0x041F);  // sort order: Turkish
    yaz16(s, 0x70, 1);
    const double tarih = JetTarihi(d.olusturma);
    quint64 bit;
    std::memcpy(&bit, &tarih, 8);
    qToLittleEndian<quint64>(bit, s.data() + 0x72);
    quint8 maske[4];
    qToLittleEndian<qint32>(static_cast<qint32>(tarih), maske);
    const QString parola = d.parola.left(20);
    for (int i = 0; i < 40; ++i) {
        const int c = i / 2;
        quint8 b = 0;
        if (c < parola.size()) b = static_cast<quint8>(parola[c].unicode() >> ((i % 2) * 8));
        s[0x42 + i] = static_cast<char>(b ^ maske[i % 4]);
    }
    const quint8 anahtar[4] = {0xC7, 0xDA, 0x39, 0x6B};
    // The reader's own cipher: mdbtools, which reads these files too, checks it.
    Jet::Baslik::Rc4(anahtar, 4, reinterpret_cast<quint8*>(s.data() + 0x18), 128);
    return s;
}

Tablo katalogTablosu() {
    Tablo t;
    t.ad = QStringLiteral("MSysObjects");
    t.sutunlar = {
        {QStringLiteral("Id"), Tip::Uzun},         {QStringLiteral("ParentId"), Tip::Uzun},
        {QStringLiteral("Name"), Tip::Metin, 128}, {QStringLiteral("Type"), Tip::Tamsayi},
        {QStringLiteral("Flags"), Tip::Uzun},      {QStringLiteral("LvProp"), Tip::Ole, 0}};
    return t;
}

// Pages of one table from its definition page on: definition, maps, data.
QList<QByteArray> tabloSayfalari(const Tablo& t, quint32 tanimSayfaNo, bool sistem) {
    const Yerlesim y = yerlestir(t.sutunlar);
    QList<QByteArray> satirlar;
    for (const QVariantList& r : t.satirlar) satirlar.append(satirKodla(t.sutunlar, y, r));
    const auto bolum = sayfalaraBol(satirlar);
    const QByteArray tanim = tanimSayfasi(t, y, tanimSayfaNo + 1, sistem);
    const quint32 ilkVeri = tanimSayfaNo + 2;
    const QByteArray kullanim = kullanimHaritasi(ilkVeri, static_cast<int>(bolum.size()));
    const QByteArray bos = kullanimHaritasi(ilkVeri, 0);
    QList<QByteArray> sayfalar{tanim, satirSayfasi(0, {kullanim, bos})};
    for (const auto& s : bolum) sayfalar.append(satirSayfasi(tanimSayfaNo, s));
    return sayfalar;
}

int sayfaSayisi(const Tablo& t) {
    const Yerlesim y = yerlestir(t.sutunlar);
    QList<QByteArray> satirlar;
    for (const QVariantList& r : t.satirlar) satirlar.append(satirKodla(t.sutunlar, y, r));
    return 2 + static_cast<int>(sayfalaraBol(satirlar).size());
}

}  // namespace

double JetTarihi(const QDateTime& an) {
    static const QDate sifir(1899, 12, 30);
    const qint64 gun = sifir.daysTo(an.date());
    const double kesir = an.time().msecsSinceStartOfDay() / 86400000.0;
    return gun < 0 ? static_cast<double>(gun) - kesir : static_cast<double>(gun) + kesir;
}

QByteArray MetinKodla(const QString& metin, bool sikistir) {
    QByteArray duz;
    for (QChar c : metin) ekle16(duz, c.unicode());
    if (!sikistir || metin.isEmpty()) return duz;
    QByteArray b("\xFF\xFE", 2);
    bool tekBayt = true;
    for (int i = 0; i < metin.size(); ++i) {
        const char16_t c = metin[i].unicode();
        const bool sigar = c != 0 && c < 0x100;
        if ((c & 0xFF) == 0 && !sigar) return duz;  // a zero low byte would read as a switch
        if (sigar != tekBayt) {
            b.append('\0');
            tekBayt = sigar;
        }
        if (tekBayt)
            b.append(static_cast<char>(c));
        else
            ekle16(b, c);
    }
    return b;
}

QByteArray Yaz(const Dosya& d) {
    Tablo katalog = katalogTablosu();
    // The catalogue's rows have a fixed size whatever the page numbers, so its
    // page count is known before the user tables are placed after it.
    for (const Tablo& t : d.tablolar) katalog.satirlar.append({0, 0, t.ad, 1, 0, QVariant()});
    katalog.satirlar.append({2, 0, QStringLiteral("MSysObjects"), 1, 0x80000002u, QVariant()});
    quint32 sayfa = 2 + static_cast<quint32>(sayfaSayisi(katalog));
    QList<quint32> tanimlar;
    for (const Tablo& t : d.tablolar) {
        tanimlar.append(sayfa);
        sayfa += static_cast<quint32>(sayfaSayisi(t));
    }
    for (int i = 0; i < d.tablolar.size(); ++i) katalog.satirlar[i][0] = tanimlar[i];

    QByteArray dosya = baslikSayfasi(d);
    dosya.append(QByteArray(kSayfa, '\0'));  // page 1: the file's own usage map, unused here
    for (const QByteArray& s : tabloSayfalari(katalog, 2, true)) dosya.append(s);
    for (int i = 0; i < d.tablolar.size(); ++i)
        for (const QByteArray& s : tabloSayfalari(d.tablolar[i], tanimlar[i], false))
            dosya.append(s);
    return dosya;
}

bool DosyayaYaz(const QString& yol, const Dosya& dosya) {
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray b = Yaz(dosya);
    return f.write(b) == b.size();
}

}  // namespace JetYazici

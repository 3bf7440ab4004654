#include "tdsjeton.h"

namespace {

// Tokens.
constexpr quint8 kSutunBilgisi = 0x81;  // COLMETADATA
constexpr quint8 kHataJetonu = 0xAA;
constexpr quint8 kGirisOnayi = 0xAD;  // LOGINACK
constexpr quint8 kSatir = 0xD1;
constexpr quint8 kOrtam = 0xE3;  // ENVCHANGE
constexpr quint8 kBitti = 0xFD;  // DONE

constexpr quint16 kBittiHata = 0x0002;
constexpr quint16 kBittiSayi = 0x0010;
constexpr quint16 kBittiIptal = 0x0020;

// Turkish_CI_AS: LCID 0x041F, case-insensitive, kana- and width-insensitive.
const char kHarmanlama[5] = {'\x1F', '\x04', '\xD0', '\x00', '\x00'};

void u8(QByteArray& b, quint8 v) {
    b.append(char(v));
}
void u16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void u32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void u64(QByteArray& b, quint64 v) {
    for (int i = 0; i < 8; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void ucs2(QByteArray& b, const QString& s) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN,
                  "UCS-2 goes out little-endian as it is in memory");
    b.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}
void bVarchar(QByteArray& b, const QString& s) {  // length in characters, one byte
    u8(b, quint8(s.size()));
    ucs2(b, s);
}
void usVarchar(QByteArray& b, const QString& s) {  // length in characters, two bytes
    u16(b, quint16(s.size()));
    ucs2(b, s);
}

quint16 oku16(const QByteArray& b, qsizetype i) {
    return quint16(quint8(b[i])) | quint16(quint8(b[i + 1])) << 8;
}
quint32 oku32(const QByteArray& b, qsizetype i) {
    return quint32(oku16(b, i)) | quint32(oku16(b, i + 2)) << 16;
}

QString ucs2Oku(const QByteArray& b, qsizetype bas, qsizetype karakter) {
    if (bas < 0 || karakter < 0 || bas + 2 * karakter > b.size()) return QString();
    QString s;
    s.reserve(karakter);
    for (qsizetype i = 0; i < karakter; ++i) s.append(QChar(oku16(b, bas + 2 * i)));
    return s;
}

// Code page 1254 differs from Latin-1 in the Turkish letters the tests use.
QByteArray cp1254(const QString& s) {
    QByteArray b;
    for (QChar c : s) {
        switch (c.unicode()) {
            case 0x011E:
                b.append('\xD0');
                break;  // Ğ
            case 0x011F:
                b.append('\xF0');
                break;  // ğ
            case 0x0130:
                b.append('\xDD');
                break;  // İ
            case 0x0131:
                b.append('\xFD');
                break;  // ı
            case 0x015E:
                b.append('\xDE');
                break;  // Ş
            case 0x015F:
                b.append('\xFE');
                break;  // ş
            default:
                b.append(c.unicode() < 0x100 ? char(c.unicode()) : '?');
        }
    }
    return b;
}

bool yeni(quint32 surum) {
    return (surum >> 24) >= 0x72;
}  // 7.2 and later

void bitti(QByteArray& b, quint16 durum, quint64 sayi, quint32 surum) {
    u8(b, kBitti);
    u16(b, durum);
    u16(b, 0xC1);  // SELECT
    if (yeni(surum))
        u64(b, sayi);
    else
        u32(b, quint32(sayi));
}

void hataJetonu(QByteArray& b, int no, const QString& metin, quint8 sinif, quint32 surum) {
    QByteArray g;
    u32(g, quint32(no));
    u8(g, 1);  // state
    u8(g, sinif);
    usVarchar(g, metin);
    bVarchar(g, QStringLiteral("KOVITEST"));
    bVarchar(g, QString());
    if (yeni(surum))
        u32(g, 1);
    else
        u16(g, 1);
    u8(b, kHataJetonu);
    u16(b, quint16(g.size()));
    b.append(g);
}

void ortam(QByteArray& b, quint8 tur, const QString& yeniDeger, const QString& eski) {
    QByteArray g;
    u8(g, tur);
    bVarchar(g, yeniDeger);
    bVarchar(g, eski);
    u8(b, kOrtam);
    u16(b, quint16(g.size()));
    b.append(g);
}

}  // namespace

TdsSunucu::Yanit TdsSunucu::Yanit::Hata(int no, const QString& metin) {
    Yanit y;
    y.hataNo = no;
    y.hataMetni = metin;
    return y;
}

TdsSunucu::Yanit TdsSunucu::Yanit::Sonuc(const QList<Sutun>& sutunlar,
                                         const QList<QVariantList>& satirlar) {
    Yanit y;
    y.sutunlar = sutunlar;
    y.satirlar = satirlar;
    y.sonucVar = true;
    return y;
}

TdsSunucu::Yanit TdsSunucu::Yanit::Bos() {
    return Yanit();
}

TdsSunucu::Yanit TdsSunucu::Yanit::Hazir(const QByteArray& kodlanmis) {
    Yanit y;
    y.hazir = kodlanmis;
    return y;
}

QByteArray TdsSunucu::Kodla(const Yanit& y, quint32 surum) {
    if (!y.hazir.isEmpty()) return y.hazir;
    QByteArray b;
    b.reserve(64 + y.satirlar.size() * (1 + y.sutunlar.size() * 24));
    if (y.hataNo != 0) {
        hataJetonu(b, y.hataNo, y.hataMetni, 16, surum);
        bitti(b, kBittiHata, 0, surum);
        return b;
    }
    if (!y.sonucVar) {
        bitti(b, 0, 0, surum);
        return b;
    }
    u8(b, kSutunBilgisi);
    u16(b, quint16(y.sutunlar.size()));
    for (const Sutun& s : y.sutunlar) {
        if (yeni(surum))
            u32(b, 0);  // user type
        else
            u16(b, 0);
        u16(b, 0x0001);  // nullable
        switch (s.tur) {
            case Sutun::Int:
                u8(b, 0x26);  // INTN
                u8(b, 4);
                break;
            case Sutun::NVarchar:
                u8(b, 0xE7);
                u16(b, quint16(qBound(1, s.boy, 4000) * 2));
                b.append(kHarmanlama, 5);
                break;
            case Sutun::Varchar:
                u8(b, 0xA7);
                u16(b, quint16(qBound(1, s.boy, 8000)));
                b.append(kHarmanlama, 5);
                break;
        }
        bVarchar(b, s.ad);
    }
    for (const QVariantList& satir : y.satirlar) {
        u8(b, kSatir);
        for (qsizetype i = 0; i < y.sutunlar.size(); ++i) {
            const QVariant deger = i < satir.size() ? satir[i] : QVariant();
            switch (y.sutunlar[i].tur) {
                case Sutun::Int:
                    if (!deger.isValid()) {
                        u8(b, 0);
                    } else {
                        u8(b, 4);
                        u32(b, quint32(deger.toInt()));
                    }
                    break;
                case Sutun::NVarchar: {
                    if (!deger.isValid()) {
                        u16(b, 0xFFFF);
                        break;
                    }
                    const QString s = deger.toString();
                    u16(b, quint16(s.size() * 2));
                    ucs2(b, s);
                    break;
                }
                case Sutun::Varchar: {
                    if (!deger.isValid()) {
                        u16(b, 0xFFFF);
                        break;
                    }
                    const QByteArray s = cp1254(deger.toString());
                    u16(b, quint16(s.size()));
                    b.append(s);
                    break;
                }
            }
        }
    }
    bitti(b, kBittiSayi, quint64(y.satirlar.size()), surum);
    return b;
}

namespace TdsJeton {

QByteArray OnGirisYaniti() {
    // VERSION 15.0.2000, ENCRYPTION not supported (so the login is never wrapped
    // in TLS), instance matched, MARS off.
    struct Secenek {
        quint8 jeton;
        QByteArray veri;
    };
    const Secenek secenekler[] = {
        {0x00, QByteArray("\x0F\x00\x07\xD0\x00\x00", 6)},
        {0x01, QByteArray("\x02", 1)},
        {0x02, QByteArray("\x00", 1)},
        {0x04, QByteArray("\x00", 1)},
    };
    const int adet = int(sizeof(secenekler) / sizeof(secenekler[0]));
    QByteArray b, veri;
    const quint16 basla = quint16(adet * 5 + 1);
    for (const Secenek& s : secenekler) {
        u8(b, s.jeton);
        const quint16 yer = quint16(basla + veri.size());
        b.append(char(yer >> 8));
        b.append(char(yer & 0xFF));
        b.append(char(s.veri.size() >> 8));
        b.append(char(s.veri.size() & 0xFF));
        veri.append(s.veri);
    }
    u8(b, 0xFF);
    return b + veri;
}

TdsSunucu::Giris GirisCoz(const QByteArray& g) {
    TdsSunucu::Giris giris;
    if (g.size() < 94) return giris;
    giris.tdsSurumu = oku32(g, 4);
    giris.paketBoyu = oku32(g, 8);
    auto alan = [&g](int yer) { return ucs2Oku(g, oku16(g, yer), oku16(g, yer + 2)); };
    giris.kullanici = alan(40);
    giris.uygulama = alan(48);
    giris.sunucu = alan(52);
    giris.veritabani = alan(68);
    // The password travels with each byte's halves swapped and XOR-ed with 0xA5.
    QByteArray sifre = g.mid(oku16(g, 44), 2 * oku16(g, 46));
    for (char& c : sifre) {
        const quint8 x = quint8(c) ^ 0xA5;
        c = char(quint8((x << 4) | (x >> 4)));
    }
    giris.sifre = ucs2Oku(sifre, 0, sifre.size() / 2);
    return giris;
}

QByteArray GirisOnayi(const TdsSunucu::Giris& giris, quint32 surum, quint32 paketBoyu) {
    QByteArray b;
    if (!giris.veritabani.isEmpty()) ortam(b, 1, giris.veritabani, QStringLiteral("master"));
    {  // collation of the database
        QByteArray g;
        u8(g, 7);
        u8(g, 5);
        g.append(kHarmanlama, 5);
        u8(g, 0);
        u8(b, kOrtam);
        u16(b, quint16(g.size()));
        b.append(g);
    }
    ortam(b, 4, QString::number(paketBoyu), QString::number(paketBoyu));
    QByteArray g;
    u8(g, 1);  // T-SQL
    g.append(char(surum >> 24));
    g.append(char((surum >> 16) & 0xFF));
    g.append(char((surum >> 8) & 0xFF));
    g.append(char(surum & 0xFF));
    bVarchar(g, QStringLiteral("Microsoft SQL Server"));
    g.append("\x0F\x00\x07\xD0", 4);
    u8(b, kGirisOnayi);
    u16(b, quint16(g.size()));
    b.append(g);
    bitti(b, 0, 0, surum);
    return b;
}

QByteArray Hata(int no, const QString& metin, quint8 sinif, quint32 surum) {
    QByteArray b;
    hataJetonu(b, no, metin, sinif, surum);
    bitti(b, kBittiHata, 0, surum);
    return b;
}

QByteArray Iptal(quint32 surum) {
    QByteArray b;
    bitti(b, kBittiIptal, 0, surum);
    return b;
}

QString TopluMetni(const QByteArray& govde, quint32 surum) {
    // From 7.2 on a batch starts with its headers, whose total length comes first.
    qsizetype bas = 0;
    if (yeni(surum) && govde.size() >= 4) bas = qMin<qsizetype>(oku32(govde, 0), govde.size());
    return ucs2Oku(govde, bas, (govde.size() - bas) / 2);
}

}  // namespace TdsJeton

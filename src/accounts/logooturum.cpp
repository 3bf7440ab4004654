#include "logooturum.h"

#include <sql.h>
#include <sqlext.h>

#include <QDateTime>
#include <vector>

namespace Logo {

namespace {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC's wide characters are UTF-16");

std::vector<SQLWCHAR> Genis(const QString& metin) {
    std::vector<SQLWCHAR> v(metin.size() + 1, 0);
    std::copy(metin.utf16(), metin.utf16() + metin.size(), v.begin());
    return v;
}

QString Metin(const SQLWCHAR* p, qsizetype uzunluk) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(p), uzunluk);
}

// The driver's own words, kept in the raised error for anyone who looks.
QString Teshis(SQLSMALLINT tur, SQLHANDLE h) {
    QStringList satirlar;
    for (SQLSMALLINT i = 1; i <= 10; ++i) {
        SQLWCHAR durum[6] = {};
        SQLWCHAR mesaj[1024] = {};
        SQLINTEGER yerel = 0;
        SQLSMALLINT uzunluk = 0;
        const SQLRETURN rc = SQLGetDiagRecW(tur, h, i, durum, &yerel, mesaj, 1024, &uzunluk);
        if (!SQL_SUCCEEDED(rc)) break;
        satirlar << Metin(durum, 5) + QStringLiteral(": ") +
                        Metin(mesaj, qMin<qsizetype>(uzunluk, 1023));
    }
    return satirlar.isEmpty() ? QStringLiteral("ODBC") : satirlar.join(QLatin1Char('\n'));
}

enum class Tur { Metin, Tamsayi, Ondalik, Tarih };

Tur TurSec(SQLSMALLINT sqlTuru) {
    switch (sqlTuru) {
        case SQL_INTEGER:
        case SQL_SMALLINT:
        case SQL_TINYINT:
        case SQL_BIGINT:
        case SQL_BIT:
            return Tur::Tamsayi;
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_NUMERIC:
        case SQL_DECIMAL:
            return Tur::Ondalik;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
            return Tur::Tarih;
        default:
            return Tur::Metin;
    }
}

struct Deyim {
    SQLHSTMT h = SQL_NULL_HSTMT;
    ~Deyim() {
        if (h != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, h);
    }
};

QVariant MetinAl(SQLHSTMT st, SQLUSMALLINT sutun) {
    SQLWCHAR tampon[256];
    QString sonuc;
    for (;;) {
        SQLLEN gosterge = 0;
        const SQLRETURN rc = SQLGetData(st, sutun, SQL_C_WCHAR, tampon, sizeof(tampon), &gosterge);
        if (rc == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(rc)) throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, st));
        if (gosterge == SQL_NULL_DATA) return QVariant();
        const qsizetype sigan = qsizetype(sizeof(tampon) / sizeof(SQLWCHAR)) - 1;
        if (gosterge == SQL_NO_TOTAL || gosterge / qsizetype(sizeof(SQLWCHAR)) > sigan) {
            sonuc += Metin(tampon, sigan);  // more follows in the next call
            continue;
        }
        sonuc += Metin(tampon, gosterge / qsizetype(sizeof(SQLWCHAR)));
        break;
    }
    if (sonuc.isNull()) sonuc = QLatin1String("");
    return sonuc;
}

QVariant HucreAl(SQLHSTMT st, SQLUSMALLINT sutun, Tur tur) {
    SQLLEN gosterge = 0;
    SQLRETURN rc = SQL_SUCCESS;
    switch (tur) {
        case Tur::Metin:
            return MetinAl(st, sutun);
        case Tur::Tamsayi: {
            SQLBIGINT d = 0;
            rc = SQLGetData(st, sutun, SQL_C_SBIGINT, &d, sizeof(d), &gosterge);
            if (SQL_SUCCEEDED(rc) && gosterge != SQL_NULL_DATA) return QVariant(qint64(d));
            break;
        }
        case Tur::Ondalik: {
            double d = 0;
            rc = SQLGetData(st, sutun, SQL_C_DOUBLE, &d, sizeof(d), &gosterge);
            if (SQL_SUCCEEDED(rc) && gosterge != SQL_NULL_DATA) return QVariant(d);
            break;
        }
        case Tur::Tarih: {
            SQL_TIMESTAMP_STRUCT t{};
            rc = SQLGetData(st, sutun, SQL_C_TYPE_TIMESTAMP, &t, sizeof(t), &gosterge);
            if (SQL_SUCCEEDED(rc) && gosterge != SQL_NULL_DATA)
                return QDateTime(QDate(t.year, t.month, t.day),
                                 QTime(t.hour, t.minute, t.second, int(t.fraction / 1000000)));
            break;
        }
    }
    if (!SQL_SUCCEEDED(rc)) throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, st));
    return QVariant();
}

}  // namespace

Oturum::Oturum() = default;

Oturum::~Oturum() { Kapat(); }

void Oturum::Kapat() {
    if (dbc_) {
        if (bagli_) SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    }
    if (env_) SQLFreeHandle(SQL_HANDLE_ENV, env_);
    dbc_ = env_ = nullptr;
    bagli_ = false;
}

void Oturum::Ac(const Bilgiler& bilgi) { AcMetinle(BaglantiMetni(bilgi)); }

void Oturum::AcMetinle(const QString& baglantiMetni) {
    Kapat();
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw Hata(Hata::Asama::Baglanti, QStringLiteral("ODBC ortamı kurulamadı"));
    env_ = env;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        Kapat();
        throw Hata(Hata::Asama::Baglanti, QStringLiteral("ODBC bağlantısı kurulamadı"));
    }
    dbc_ = dbc;
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLLEN>(kGirisSuresi)), 0);
    // The link only ever reads; telling the driver lets a server refuse a write.
    SQLSetConnectAttr(dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);

    std::vector<SQLWCHAR> metin = Genis(baglantiMetni);
    SQLWCHAR cikis[1024];
    SQLSMALLINT cikisUzunluk = 0;
    const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, metin.data(), SQL_NTS, cikis, 1024,
                                           &cikisUzunluk, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        const QString teshis = Teshis(SQL_HANDLE_DBC, dbc);
        Kapat();
        throw Hata(Hata::Asama::Baglanti, teshis);
    }
    bagli_ = true;
}

Tablo Oturum::Sorgula(const QString& sql) {
    if (!Acik()) throw Hata(Hata::Asama::Baglanti, QStringLiteral("Bağlantı açık değil"));
    Deyim d;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &d.h)))
        throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_DBC, dbc_));

    std::vector<SQLWCHAR> metin = Genis(sql);
    const SQLRETURN rc = SQLExecDirectW(d.h, metin.data(), SQL_NTS);
    if (!SQL_SUCCEEDED(rc)) throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, d.h));

    Tablo t;
    SQLSMALLINT sutunSayisi = 0;
    SQLNumResultCols(d.h, &sutunSayisi);
    std::vector<Tur> turler;
    for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(sutunSayisi); ++c) {
        SQLWCHAR ad[256] = {};
        SQLSMALLINT adUzunluk = 0, sqlTuru = 0, ondalik = 0, bos = 0;
        SQLULEN boy = 0;
        if (!SQL_SUCCEEDED(SQLDescribeColW(d.h, c, ad, 256, &adUzunluk, &sqlTuru, &boy, &ondalik, &bos)))
            throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, d.h));
        t.sutunlar << Metin(ad, qMin<qsizetype>(adUzunluk, 255));
        turler.push_back(TurSec(sqlTuru));
    }
    for (;;) {
        const SQLRETURN f = SQLFetch(d.h);
        if (f == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(f)) throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, d.h));
        QVariantList satir;
        satir.reserve(sutunSayisi);
        for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(sutunSayisi); ++c)
            satir << HucreAl(d.h, c, turler[c - 1]);
        t.satirlar << std::move(satir);
    }
    return t;
}

Tablo Oku(const Bilgiler& bilgi, const QStringList& satirlar) {
    Oturum o;
    o.Ac(bilgi);
    return o.Sorgula(satirlar.join(QLatin1Char('\n')));
}

}  // namespace Logo

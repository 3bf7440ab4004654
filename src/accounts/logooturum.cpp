#include "logooturum.h"

#include <sql.h>
#include <sqlext.h>

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
    // A plain copy: the driver's UTF-16 needs no byte-order checks.
    return QString(reinterpret_cast<const QChar*>(p), uzunluk);
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

struct Deyim {
    SQLHSTMT h = SQL_NULL_HSTMT;
    ~Deyim() {
        if (h != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, h);
    }
};

}  // namespace

Oturum::Oturum() = default;

Oturum::~Oturum() {
    Kapat();
}

void Oturum::Kapat() {
    if (dbc_) {
        if (bagli_) SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    }
    if (env_) SQLFreeHandle(SQL_HANDLE_ENV, env_);
    dbc_ = env_ = nullptr;
    bagli_ = false;
}

void Oturum::Ac(const Bilgiler& bilgi) {
    AcMetinle(BaglantiMetni(bilgi));
}

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
    SQLSetConnectAttr(dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY),
                      0);

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

namespace {

// Every column is read as text: the viewer shows text, and the driver turns
// numbers and dates into text itself.
constexpr SQLLEN kBlokMetinSiniri = 4000;  // longer (or unbounded) columns go cell by cell
constexpr size_t kBlokBaytlari = size_t(4) << 20;

[[noreturn]] void SorguHatasi(SQLHSTMT st) {
    throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_STMT, st));
}

// Many rows per call into bound buffers, each as wide as the column's declared size.
void BloklaOku(SQLHSTMT st, const std::vector<SQLLEN>& boylar, MetinTablosu& t) {
    const size_t sutun = boylar.size();
    std::vector<SQLLEN> genislik(sutun);
    size_t satirBaytlari = 0;
    for (size_t c = 0; c < sutun; ++c) {
        genislik[c] = (boylar[c] + 1) * SQLLEN(sizeof(SQLWCHAR));
        satirBaytlari += size_t(genislik[c]);
    }
    const size_t blok = qBound<size_t>(1, kBlokBaytlari / qMax<size_t>(satirBaytlari, 1), 1024);
    std::vector<std::vector<SQLWCHAR>> veri(sutun);
    std::vector<std::vector<SQLLEN>> gosterge(sutun);
    SQLULEN gelen = 0;
    std::vector<SQLUSMALLINT> durumlar(blok, 0);
    if (!SQL_SUCCEEDED(SQLSetStmtAttr(st, SQL_ATTR_ROW_ARRAY_SIZE,
                                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(blok)),
                                      0)) ||
        !SQL_SUCCEEDED(SQLSetStmtAttr(st, SQL_ATTR_ROWS_FETCHED_PTR, &gelen, 0)) ||
        !SQL_SUCCEEDED(SQLSetStmtAttr(st, SQL_ATTR_ROW_STATUS_PTR, durumlar.data(), 0)))
        SorguHatasi(st);
    for (size_t c = 0; c < sutun; ++c) {
        veri[c].assign(blok * size_t(genislik[c]) / sizeof(SQLWCHAR), 0);
        gosterge[c].assign(blok, 0);
        if (!SQL_SUCCEEDED(SQLBindCol(st, SQLUSMALLINT(c + 1), SQL_C_WCHAR, veri[c].data(),
                                      genislik[c], gosterge[c].data())))
            SorguHatasi(st);
    }
    for (;;) {
        const SQLRETURN f = SQLFetch(st);
        if (f == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(f)) SorguHatasi(st);
        for (size_t r = 0; r < size_t(gelen); ++r) {
            if (durumlar[r] == SQL_ROW_ERROR || durumlar[r] == SQL_ROW_NOROW) continue;
            for (size_t c = 0; c < sutun; ++c) {
                const SQLLEN g = gosterge[c][r];
                if (g == SQL_NULL_DATA) {
                    t.bosEkle();
                    continue;
                }
                // A value longer than its declared size comes cut at the buffer's end.
                const SQLLEN sigan = genislik[c] / SQLLEN(sizeof(SQLWCHAR)) - 1;
                const SQLLEN n =
                    (g == SQL_NO_TOTAL) ? sigan : qMin(g / SQLLEN(sizeof(SQLWCHAR)), sigan);
                const SQLWCHAR* p = veri[c].data() + r * size_t(sigan + 1);
                t.ekle(QStringView(reinterpret_cast<const char16_t*>(p), qsizetype(n)));
            }
        }
    }
}

// One call per cell, in pieces, for columns of no fixed size.
void TekTekOku(SQLHSTMT st, size_t sutun, MetinTablosu& t) {
    SQLWCHAR tampon[512];
    const qsizetype sigan = qsizetype(sizeof(tampon) / sizeof(SQLWCHAR)) - 1;
    for (;;) {
        const SQLRETURN f = SQLFetch(st);
        if (f == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(f)) SorguHatasi(st);
        for (size_t c = 0; c < sutun; ++c) {
            QString s;
            bool bos = false;
            for (;;) {
                SQLLEN g = 0;
                const SQLRETURN rc =
                    SQLGetData(st, SQLUSMALLINT(c + 1), SQL_C_WCHAR, tampon, sizeof(tampon), &g);
                if (rc == SQL_NO_DATA) break;
                if (!SQL_SUCCEEDED(rc)) SorguHatasi(st);
                if (g == SQL_NULL_DATA) {
                    bos = true;
                    break;
                }
                if (g == SQL_NO_TOTAL || g / qsizetype(sizeof(SQLWCHAR)) > sigan) {
                    s += Metin(tampon, sigan);  // more follows in the next call
                    continue;
                }
                s += Metin(tampon, g / qsizetype(sizeof(SQLWCHAR)));
                break;
            }
            if (bos)
                t.bosEkle();
            else
                t.ekle(s);
        }
    }
}

}  // namespace

MetinTablosu Oturum::Sorgula(const QString& sql) {
    if (!Acik()) throw Hata(Hata::Asama::Baglanti, QStringLiteral("Bağlantı açık değil"));
    Deyim d;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &d.h)))
        throw Hata(Hata::Asama::Sorgu, Teshis(SQL_HANDLE_DBC, dbc_));

    // A server that takes the statement and never answers must not hold the window for good.
    SQLSetStmtAttr(d.h, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(sorguSuresi_)), 0);
    std::vector<SQLWCHAR> metin = Genis(sql);
    if (!SQL_SUCCEEDED(SQLExecDirectW(d.h, metin.data(), SQL_NTS))) SorguHatasi(d.h);

    MetinTablosu t;
    SQLSMALLINT sutunSayisi = 0;
    SQLNumResultCols(d.h, &sutunSayisi);
    QStringList adlar;
    std::vector<SQLLEN> boylar;
    bool blokla = true;
    for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(qMax<SQLSMALLINT>(sutunSayisi, 0)); ++c) {
        SQLWCHAR ad[256] = {};
        SQLSMALLINT adUzunluk = 0;
        SQLLEN boy = 0;
        if (!SQL_SUCCEEDED(
                SQLColAttributeW(d.h, c, SQL_DESC_NAME, ad, sizeof(ad), &adUzunluk, nullptr)) ||
            !SQL_SUCCEEDED(
                SQLColAttributeW(d.h, c, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr, &boy)))
            SorguHatasi(d.h);
        adlar << Metin(ad, qMin<qsizetype>(adUzunluk / qsizetype(sizeof(SQLWCHAR)), 255));
        if (boy <= 0 || boy > kBlokMetinSiniri) blokla = false;
        boylar.push_back(boy);
    }
    t.setSutunlar(adlar);
    if (boylar.empty()) return t;
    if (blokla)
        BloklaOku(d.h, boylar, t);
    else
        TekTekOku(d.h, boylar.size(), t);
    return t;
}

MetinTablosu Oku(const Bilgiler& bilgi, const QStringList& satirlar) {
    Oturum o;
    o.Ac(bilgi);
    return o.Sorgula(satirlar.join(QLatin1Char('\n')));
}

}  // namespace Logo

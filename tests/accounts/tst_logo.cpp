#include <QElapsedTimer>
#include <QtTest>

#include "logo.h"
#include "logooturum.h"
#include "tdssunucu.h"

using Sutun = TdsSunucu::Sutun;
using Yanit = TdsSunucu::Yanit;

namespace {

Logo::Bilgiler yerel(const TdsSunucu& s) {
    return {QStringLiteral("127.0.0.1,%1").arg(s.port()), QStringLiteral("LOGODB"),
            QStringLiteral("sa"), QStringLiteral("gizli")};
}

// What follows the driver in a connection string: the driver's path is the machine's.
QString surucusuz(const QString& metin) {
    return metin.mid(metin.indexOf(QLatin1String(";")) + 1);
}

// Answers the card SELECT for firm 001 and nothing else, as SQL Server would.
Yanit kartlar001(const QString& sql) {
    if (!sql.contains(QLatin1String("FROM [LG_001_CLCARD]")))
        return Yanit::Hata(
            208, QStringLiteral("Invalid object name '%1'.")
                     .arg(sql.section(QLatin1String("FROM ["), 1).section(QLatin1Char(']'), 0, 0)));
    return Yanit::Sonuc(LogoCariSutunlari(),
                        {{7, QStringLiteral("120.01"), QStringLiteral("Çağlar Işık Ltd. Şti."),
                          QStringLiteral("Gül Sk. 5"), QString(), QStringLiteral("İZMİR"),
                          QStringLiteral("0232 111"), QVariant(), QVariant(),
                          QStringLiteral("1234567890"), QStringLiteral("Karşıyaka")}});
}

}  // namespace

class TstLogo : public QObject {
    Q_OBJECT

private slots:
    void baglantiMetni_data();
    void baglantiMetni();
    void odbcDegeri_data();
    void odbcDegeri();
    void degerlerSunucuyaAynenUlasir_data();
    void degerlerSunucuyaAynenUlasir();
    void kapatanParantezNoktaliVirgulReddedilir();
    void ornekAdiylaBaglanir();
    void sorguMetinleri_data();
    void sorguMetinleri();
    void satirlarOkunur();
    void uzunMetinBolunmedenOkunur_data();
    void uzunMetinBolunmedenOkunur();
    void girisReddedilir();
    void sessizSunucuBeklemez();
    void sorguCevapsizKalmaz();
    void kapaliPortBaglantiHatasi();
    void olmayanTabloSorguHatasi();
};

void TstLogo::baglantiMetni_data() {
    QTest::addColumn<QString>("sunucu");
    QTest::addColumn<QString>("beklenen");
    const QString son = QStringLiteral(
        "DATABASE=LOGODB;UID=sa;PWD=gizli;TDS_Version=7.4;ClientCharset=UTF-8;APP=Kovimaro;");
    QTest::newRow("makine") << "SRV01"
                            << "SERVER=SRV01;" + son;
    QTest::newRow("makine,port") << "SRV01,1433"
                                 << "SERVER=SRV01;PORT=1433;" + son;
    QTest::newRow("boşluklu port") << " SRV01 , 14330 "
                                   << "SERVER=SRV01;PORT=14330;" + son;
    QTest::newRow("örnek") << "SRV01\\LOGO"
                           << "SERVER=SRV01\\LOGO;" + son;
    QTest::newRow("örnek ve port") << "SRV01\\LOGO,1500"
                                   << "SERVER=SRV01;PORT=1500;" + son;
    QTest::newRow("tcp:") << "tcp:10.0.0.5,1433"
                          << "SERVER=10.0.0.5;PORT=1433;" + son;
    QTest::newRow("nokta") << ".\\SQLEXPRESS"
                           << "SERVER=127.0.0.1\\SQLEXPRESS;" + son;
    QTest::newRow("(local)") << "(local)"
                             << "SERVER=127.0.0.1;" + son;
}

void TstLogo::baglantiMetni() {
    QFETCH(QString, sunucu);
    QFETCH(QString, beklenen);
    const QString metin = Logo::BaglantiMetni(
        {sunucu, QStringLiteral("LOGODB"), QStringLiteral("sa"), QStringLiteral("gizli")});
    QVERIFY(metin.startsWith(QLatin1String("DRIVER=")));
    QCOMPARE(surucusuz(metin), beklenen);
}

void TstLogo::odbcDegeri_data() {
    QTest::addColumn<QString>("deger");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("düz") << "Şifre1"
                         << "Şifre1";
    QTest::newRow("boş") << ""
                         << "";
    QTest::newRow("noktalı virgül") << "a;DATABASE=master"
                                    << "{a;DATABASE=master}";
    QTest::newRow("kapanan parantez") << "a}b"
                                      << "{a}b}";
    QTest::newRow("sondaki parantez") << "ab}"
                                      << "{ab}}";
    QTest::newRow("açılan parantez") << "{ab"
                                     << "{{ab}";
    QTest::newRow("baştaki boşluk") << " ab"
                                    << "{ ab}";
}

void TstLogo::odbcDegeri() {
    QFETCH(QString, deger);
    QFETCH(QString, beklenen);
    QCOMPARE(Logo::OdbcDegeri(deger), beklenen);
}

// What the user typed is what the server receives: no keyword of the connection
// string can be smuggled in through a value, and Turkish letters survive.
void TstLogo::degerlerSunucuyaAynenUlasir_data() {
    QTest::addColumn<QString>("kullanici");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<QString>("veritabani");
    QTest::newRow("düz") << "sa"
                         << "gizli"
                         << "LOGODB";
    QTest::newRow("Türkçe") << "muhasebeçi"
                            << "Şİfre_ğü"
                            << "GOLD_İş";
    QTest::newRow("noktalı virgül") << "sa"
                                    << "a;DATABASE=master"
                                    << "LOGODB";
    QTest::newRow("parantezler") << "s{a}"
                                 << "x}y{"
                                 << "LOGO}DB";
    QTest::newRow("anahtar eklemeye çalışan") << "sa"
                                              << "x;DumpFile=/tmp/x;"
                                              << "=LOGODB";
    QTest::newRow("boşluklu") << " sa "
                              << " p w "
                              << "LOGODB";
}

void TstLogo::degerlerSunucuyaAynenUlasir() {
    QFETCH(QString, kullanici);
    QFETCH(QString, sifre);
    QFETCH(QString, veritabani);
    TdsSunucu s;
    QVERIFY(s.port() != 0);
    Logo::Bilgiler b = yerel(s);
    b.kullanici = kullanici;
    b.sifre = sifre;
    b.veritabani = veritabani;
    Logo::Oturum o;
    QVERIFY_THROWS_NO_EXCEPTION(o.Ac(b));
    QCOMPARE(s.girisler().size(), 1);
    const TdsSunucu::Giris g = s.girisler().first();
    QCOMPARE(g.kullanici, kullanici);
    QCOMPARE(g.sifre, sifre);
    QCOMPARE(g.veritabani, veritabani);
}

// "};" would end a braced value early whatever is done with it; such a value
// never reaches the driver, so nothing after it can be read as a keyword.
void TstLogo::kapatanParantezNoktaliVirgulReddedilir() {
    TdsSunucu s;
    Logo::Bilgiler b = yerel(s);
    b.sifre = QStringLiteral("x};DATABASE=master");
    try {
        Logo::Oku(b, {QStringLiteral("SELECT 1")});
        QFAIL("the login should have been refused");
    } catch (const Logo::Hata& h) {
        QCOMPARE(h.asama(), Logo::Hata::Asama::Baglanti);
    }
    QCOMPARE(s.baglantiSayisi(), 0);
}

// "HOST\INSTANCE" asks the SQL Browser on UDP 1434 for the instance's port.
void TstLogo::ornekAdiylaBaglanir() {
    TdsSunucu s;
    if (!s.ornekAdiDinle(QStringLiteral("LOGO"))) QSKIP("UDP port 1434 on 127.0.0.1 is taken");
    Logo::Bilgiler b = yerel(s);
    b.sunucu = QStringLiteral("127.0.0.1\\LOGO");
    Logo::Oturum o;
    QVERIFY_THROWS_NO_EXCEPTION(o.Ac(b));
    QCOMPARE(s.girisler().size(), 1);
}

void TstLogo::sorguMetinleri_data() {
    QTest::addColumn<QString>("firma");
    QTest::addColumn<QString>("tablo");
    QTest::newRow("001") << "001"
                         << "[LG_001_CLCARD]";
    QTest::newRow("sıfırsız") << "1"
                              << "[LG_1_CLCARD]";
    QTest::newRow("boşluklu") << " 001"
                              << "[LG_ 001_CLCARD]";
    QTest::newRow("kapanan köşeli") << "1]; DROP TABLE X;--"
                                    << "[LG_1]]; DROP TABLE X;--_CLCARD]";
}

// The statements reach the server exactly as written, line by line.
void TstLogo::sorguMetinleri() {
    QFETCH(QString, firma);
    QFETCH(QString, tablo);
    QCOMPARE(Logo::TabloAdi(firma), tablo);

    TdsSunucu s;
    s.setYanitlayici([](const QString&) { return Yanit::Sonuc(LogoCariSutunlari(), {}); });
    QVERIFY_THROWS_NO_EXCEPTION(Logo::Oku(yerel(s), Logo::KontrolSorgusu(firma)));
    QVERIFY_THROWS_NO_EXCEPTION(Logo::Oku(yerel(s), Logo::CariSorgusu(firma)));
    const QString kontrol =
        "SELECT TOP 10 [LOGICALREF] As Carisira, [CODE] As CariKod, [DEFINITION_] As Unvan, "
        "[ADDR1] As Adres1, "
        "[ADDR2] As Adres2, [CITY] As Adres3,\n"
        "[TELNRS1] As Telefon1, [TELNRS2] As Telefon2, [FAXNR] As Faks, [TAXNR] As VergiNo, "
        "[TAXOFFICE] As VergiDa\n"
        "FROM " +
        tablo +
        "\n"
        "WHERE [ACTIVE]=0";
    const QString liste =
        "SELECT [LOGICALREF] As Carisira, [CODE] As CariKod, [DEFINITION_] As Unvan, [ADDR1] As "
        "Adres1, "
        "[ADDR2] As Adres2, [CITY] As Adres3,\n"
        "[TELNRS1] As Telefon1, [TELNRS2] As Telefon2, [FAXNR] As Faks, [TAXNR] As VergiNo, "
        "[TAXOFFICE] As VergiDa\n"
        "FROM " +
        tablo +
        "\n"
        "WHERE (([ACTIVE]=0) AND ([CARDTYPE]<>22)) ORDER BY [DEFINITION_]";
    QCOMPARE(s.sorgular(), QStringList({kontrol, liste}));
}

void TstLogo::satirlarOkunur() {
    TdsSunucu s;
    s.setYanitlayici([](const QString&) {
        return Yanit::Sonuc(
            {{QStringLiteral("No"), Sutun::Int},
             {QStringLiteral("Unvan"), Sutun::NVarchar},
             {QStringLiteral("Eski"), Sutun::Varchar}},
            {{1, QStringLiteral("Şişli Ğüneş İçöz ı"), QStringLiteral("İğdır Şükrü ı")},
             {QVariant(), QVariant(), QString()},
             {-5, QString(), QVariant()}});
    });
    MetinTablosu t;
    QVERIFY_THROWS_NO_EXCEPTION(t = Logo::Oku(yerel(s), {QStringLiteral("SELECT 1")}));
    QCOMPARE(t.sutunlar(), QStringList({"No", "Unvan", "Eski"}));
    QCOMPARE(t.satirSayisi(), 3);
    QCOMPARE(t.metin(0, 0), QStringLiteral("1"));
    QCOMPARE(t.metin(0, 1), QStringLiteral("Şişli Ğüneş İçöz ı"));
    // VARCHAR columns of a Turkish database come in code page 1254.
    QCOMPARE(t.metin(0, 2), QStringLiteral("İğdır Şükrü ı"));
    // NULL and the empty text stay apart.
    QVERIFY(t.bos(1, 0));
    QVERIFY(t.bos(1, 1));
    QVERIFY(!t.bos(1, 2));
    QCOMPARE(t.deger(1, 2), QVariant(QString()));
    QCOMPARE(t.metin(2, 0), QStringLiteral("-5"));
    QVERIFY(!t.bos(2, 1));
    QVERIFY(t.bos(2, 2));
}

// Values as long as their column's declared size arrive whole, and so does a
// text too long to be read in blocks.
void TstLogo::uzunMetinBolunmedenOkunur_data() {
    QTest::addColumn<int>("boy");
    QTest::newRow("bloklu okuma") << 4000;
    QTest::newRow("hücre hücre") << 8000;
}

void TstLogo::uzunMetinBolunmedenOkunur() {
    QFETCH(int, boy);
    QString uzun;
    for (int i = 0; i < boy; ++i) uzun += QChar(u"aşĞ"[i % 3]);
    TdsSunucu s;
    s.setYanitlayici([uzun, boy](const QString&) {
        // 8000 single-byte characters: SQL Server's largest VARCHAR, past the block size.
        const Sutun::Tur tur = boy > 4000 ? Sutun::Varchar : Sutun::NVarchar;
        return Yanit::Sonuc(
            {{QStringLiteral("Metin"), tur, boy}, {QStringLiteral("Kisa"), Sutun::NVarchar, 10}},
            {{uzun, QStringLiteral("ç")}, {QVariant(), QString()}});
    });
    MetinTablosu t;
    QVERIFY_THROWS_NO_EXCEPTION(t = Logo::Oku(yerel(s), {QStringLiteral("SELECT 1")}));
    QCOMPARE(t.satirSayisi(), 2);
    QCOMPARE(t.metin(0, 0), uzun);
    QCOMPARE(t.metin(0, 1), QStringLiteral("ç"));
    QVERIFY(t.bos(1, 0));
    QVERIFY(!t.bos(1, 1));
}

void TstLogo::girisReddedilir() {
    TdsSunucu s;
    s.setGirisReddet(true);
    try {
        Logo::Oku(yerel(s), {QStringLiteral("SELECT 1")});
        QFAIL("the login should have failed");
    } catch (const Logo::Hata& h) {
        QCOMPARE(h.asama(), Logo::Hata::Asama::Baglanti);
        QVERIFY2(h.mesaj().contains(QLatin1String("Login failed")), qPrintable(h.mesaj()));
    }
    QVERIFY(s.sorgular().isEmpty());
    // One attempt only: no retry under an older protocol that sends the password in clear.
    QCOMPARE(s.baglantiSayisi(), 1);
}

// A server that accepts the connection and then says nothing must not freeze
// the window: the login gives up after its time-out.
void TstLogo::sessizSunucuBeklemez() {
    TdsSunucu s;
    s.setSessiz(true);
    QElapsedTimer sure;
    sure.start();
    QVERIFY_THROWS_EXCEPTION(Logo::Hata, Logo::Oku(yerel(s), {QStringLiteral("SELECT 1")}));
    // Generous: the point is that it returns at all.
    QVERIFY2(sure.elapsed() < 6 * Logo::kGirisSuresi * 1000,
             qPrintable(QString::number(sure.elapsed())));
    QCOMPARE(s.baglantiSayisi(), 1);
}

// A statement the server never answers is given up after the query time-out.
void TstLogo::sorguCevapsizKalmaz() {
    TdsSunucu s;
    s.setSorguyaSessiz(true);
    Logo::Oturum o;
    QVERIFY_THROWS_NO_EXCEPTION(o.Ac(yerel(s)));
    o.setSorguSuresi(1);
    QElapsedTimer sure;
    sure.start();
    try {
        o.Sorgula(QStringLiteral("SELECT 1"));
        QFAIL("the statement should have been given up");
    } catch (const Logo::Hata& h) {
        QCOMPARE(h.asama(), Logo::Hata::Asama::Sorgu);
    }
    QVERIFY2(sure.elapsed() < 30000, qPrintable(QString::number(sure.elapsed())));
    QCOMPARE(s.sorgular(), QStringList(QStringLiteral("SELECT 1")));
}

void TstLogo::kapaliPortBaglantiHatasi() {
    quint16 port = 0;
    {
        TdsSunucu s;  // a port that was just free, and is closed again
        port = s.port();
    }
    Logo::Bilgiler b{QStringLiteral("127.0.0.1,%1").arg(port), QStringLiteral("LOGODB"),
                     QStringLiteral("sa"), QString()};
    try {
        Logo::Oku(b, {QStringLiteral("SELECT 1")});
        QFAIL("the connection should have failed");
    } catch (const Logo::Hata& h) {
        QCOMPARE(h.asama(), Logo::Hata::Asama::Baglanti);
    }
}

void TstLogo::olmayanTabloSorguHatasi() {
    TdsSunucu s;
    s.setYanitlayici(kartlar001);
    MetinTablosu t;
    QVERIFY_THROWS_NO_EXCEPTION(t = Logo::Oku(yerel(s), Logo::CariSorgusu(QStringLiteral("001"))));
    QCOMPARE(t.satirSayisi(), 1);
    QCOMPARE(t.metin(0, 2), QStringLiteral("Çağlar Işık Ltd. Şti."));
    try {
        Logo::Oku(yerel(s), Logo::CariSorgusu(QStringLiteral("002")));
        QFAIL("the query should have failed");
    } catch (const Logo::Hata& h) {
        QCOMPARE(h.asama(), Logo::Hata::Asama::Sorgu);
        QVERIFY2(h.mesaj().contains(QLatin1String("Invalid object name 'LG_002_CLCARD'")),
                 qPrintable(h.mesaj()));
    }
}

QTEST_GUILESS_MAIN(TstLogo)
#include "tst_logo.moc"

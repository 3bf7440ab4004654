#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "alanlar.h"
#include "testdb.h"
#include "web.h"
#include "zafofonksiyon.h"
#include "zafoputil.h"
#include "zaman.h"

class TstOrtak : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Zaman::Serbest(); }
    void acilisMesajiKurali_data();
    void acilisMesajiKurali();
    void acilisMesajiKapaninca();
    void parametreTablosuYok();
    void formAcikmi();
    void otomatikBaslat();
    void tarihKurali();
    void saatAlani();
    void tutarAlani_data();
    void tutarAlani();
    void webBaglantilari();
};

void TstOrtak::acilisMesajiKurali_data() {
    QTest::addColumn<int>("gun");
    QTest::addColumn<int>("sayac");
    QTest::addColumn<int>("sonrakiSayac");
    QTest::newRow("1 March, installation day") << 1 << 3 << 3;
    QTest::newRow("2 March") << 2 << 3 << 3;
    QTest::newRow("4 March") << 4 << 3 << 3;
    QTest::newRow("5 March switches it off") << 5 << -99 << 0;
}

void TstOrtak::acilisMesajiKurali() {
    QFETCH(int, gun);
    QFETCH(int, sayac);
    QFETCH(int, sonrakiSayac);
    Zaman::Ayarla(QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
    TestVeritabani t;
    Zaman::Ayarla(QDateTime(QDate(2026, 3, gun), QTime(23, 59)));
    QVERIFY_DB(ParametreleriOku(t.q));
    QCOMPARE(AcilisSayaci, sayac);
    QCOMPARE(TusTanimlari.size(), 75);
    QCOMPARE(Izgara.kolmod, 2);
    QVERIFY(!t.q.Active());
    // The next start, a day later still.
    QVERIFY_DB(ParametreleriOku(t.q));
    QCOMPARE(AcilisSayaci, sonrakiSayac == 0 ? 0 : 3);
}

void TstOrtak::acilisMesajiKapaninca() {
    Zaman::Ayarla(QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
    TestVeritabani t;
    QVERIFY_DB(testSql(t.q, QStringLiteral("Update Params Set acilismesaj = NULL")));
    QVERIFY_DB(ParametreleriOku(t.q));
    QCOMPARE(AcilisSayaci, 0);
}

void TstOrtak::parametreTablosuYok() {
    TestVeritabani t(false);
    TusTanimlari.clear();
    AcilisSayaci = 0;
    QVERIFY_DB(ParametreleriOku(t.q));
    QCOMPARE(AcilisSayaci, 0);
    QVERIFY(TusTanimlari.isEmpty());
}

void TstOrtak::formAcikmi() {
    QMdiArea alan;
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("FAdresler"));
    alan.addSubWindow(w);
    QVERIFY(FormAcikmi(&alan, QStringLiteral("FADRESLER")));
    QVERIFY(!FormAcikmi(&alan, QStringLiteral("FAdresler")));  // compared unchanged
    QVERIFY(!FormAcikmi(&alan, QStringLiteral("FNOTLAR")));
    auto* n = new QWidget;
    n->setObjectName(QStringLiteral("FNotlar"));
    alan.addSubWindow(n);
    FormlariKapat(&alan);
    QVERIFY(alan.subWindowList().isEmpty());
    FormlariKapat(&alan);  // nothing open: nothing happens
}

void TstOrtak::otomatikBaslat() {
    const QString yol = OtomatikBaslatDosyasi(QStringLiteral("Kovimaro"));
    QVERIFY(yol.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    OtomatikBaslat(QStringLiteral("Kovimaro"), QStringLiteral("/opt/my \"apps\"/kovimaro"));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString icerik = QString::fromUtf8(f.readAll());
    QVERIFY(icerik.contains(QStringLiteral("Name=Kovimaro\n")));
    QVERIFY2(icerik.contains(QStringLiteral("Exec=\"/opt/my \\\\\"apps\\\\\"/kovimaro\"\n")),
             qPrintable(icerik));
    QVERIFY(!KullaniciAdi().isEmpty());
}

void TstOrtak::tarihKurali() {
    TarihAlani alan;
    QVERIFY(alan.bos());
    QCOMPARE(alan.displayText(), QStringLiteral("  .  .    "));
    QCOMPARE(alan.kayitDegeri(), QDate(1899, 12, 30));
    alan.kayittanYukle(QDate(1899, 12, 30));
    QVERIFY(alan.bos());
    alan.kayittanYukle(QDate(2026, 2, 28));
    QCOMPARE(alan.displayText(), QStringLiteral("28.02.2026"));
    QCOMPARE(alan.kayitDegeri(), QDate(2026, 2, 28));
    alan.setText(QStringLiteral("31.02.2026"));  // not a date: counts as empty
    QCOMPARE(alan.kayitDegeri(), QDate(1899, 12, 30));
}

void TstOrtak::saatAlani() {
    SaatAlani alan;
    QVERIFY(alan.bos());
    QCOMPARE(alan.metin(), QStringLiteral("  :  "));
    alan.setFocus();
    QTest::keyClicks(&alan, QStringLiteral("093"));
    QVERIFY(alan.eksik());
    QVERIFY(!alan.saat().isValid());
    QTest::keyClicks(&alan, QStringLiteral("0"));
    QVERIFY(!alan.eksik());
    QCOMPARE(alan.metin(), QStringLiteral("09:30"));
    QCOMPARE(alan.saat(), QTime(9, 30));
    alan.setSaat(QTime(14, 5));
    QCOMPARE(alan.metin(), QStringLiteral("14:05"));
    QCOMPARE(alan.saat(), QTime(14, 5));
}

void TstOrtak::tutarAlani_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<QString>("gorunen");
    QTest::addColumn<double>("deger");
    QTest::newRow("thousands") << "1500"
                               << "1.500" << 1500.0;
    QTest::newRow("decimals cut at two") << "12,345"
                                         << "12,34" << 12.34;
    QTest::newRow("a dot is a decimal comma") << "7.5"
                                              << "7,5" << 7.5;
    QTest::newRow("minus") << "-1234567,89"
                           << "-1.234.567,89" << -1234567.89;
    QTest::newRow("letters refused") << "1a2"
                                     << "12" << 12.0;
}

void TstOrtak::tutarAlani() {
    QFETCH(QString, yazilan);
    QFETCH(QString, gorunen);
    QFETCH(double, deger);
    TutarAlani alan;
    QTest::keyClicks(&alan, yazilan);
    QCOMPARE(alan.text(), gorunen);
    QCOMPARE(alan.deger(), deger);
    alan.setDeger(0);
    QCOMPARE(alan.text(), QString());
}

void TstOrtak::webBaglantilari() {
    TestVeritabani t;
    QStringList acilan;
    Web::AcmaYoluAyarla([&](const QString& adres) { acilan << adres; });
    Web::WebSayfasiAc(t.db, t.q, QLatin1String(Web::kSurumSayfasi),
                      QLatin1String(Web::kSurumSorgusu));
    QVERIFY_DB(testSql(t.q, QStringLiteral("Insert Into Adresler (Ad) Values ('a')")));
    QVERIFY_DB(testSql(t.q, QStringLiteral("Insert Into Kasahar (Giren) Values (1)")));
    QVERIFY_DB(testSql(t.q, QStringLiteral("Insert Into Kasahar (Giren) Values (2)")));
    Web::WebSayfasiAc(t.db, t.q, QLatin1String(Web::kTemaSayfasi),
                      QLatin1String(Web::kTemaSorgusu));
    Web::AnaSayfaAc();
    QCOMPARE(acilan.size(), 3);
    QVERIFY(acilan[0].endsWith(QStringLiteral(
        "/Kovimaro_Ucretsiz_Ajanda_Programi.aspx?utm_source=ASurum&utm_medium=Tiklama&utm_content="
        "ASurum&utm_campaign=ASurum&tid=AjandaSurumKontrol&Versiyon=53&p1=0_0_0")));
    QVERIFY(acilan[1].endsWith(
        QStringLiteral("/KovimaroTemaYukle.aspx?utm_source=ATema&utm_medium=Tiklama&utm_content="
                       "ATema&utm_campaign=ATema&Versiyon=53&p1=1_0_2")));
    QCOMPARE(acilan[2], QLatin1String(Web::kSiteAdresi));
    // No connection: the link goes without the counts.
    t.db.setDatabaseName(QStringLiteral("/proc/yok/Kovimaro.Vdb"));
    t.db.Close();
    Web::WebSayfasiAc(t.db, t.q, QLatin1String(Web::kTemaSayfasi),
                      QLatin1String(Web::kTemaSorgusu));
    QVERIFY(acilan[3].endsWith(QStringLiteral("&Versiyon=53")));
}

QTEST_MAIN(TstOrtak)
#include "tst_ortak.moc"

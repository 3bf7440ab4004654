#include <QFileInfo>
#include <QtTest>

#include "sema.h"
#include "testdb.h"
#include "veritabani.h"
#include "zaman.h"

namespace {

// Writes a file as an older program left it: the tables and columns of that
// version, one Params row, and the Versiyon row (none for version 0).
void eskiDosya(Sorgu& q, int surum) {
    for (const SemaTablo& t : Sema::Tablolar()) {
        const QString tablo = QLatin1String(t.ad);
        if (EklendigiSurum(tablo) > surum) continue;
        QStringList sutunlar;
        for (const SemaSutun& s : t.sutunlar)
            if (EklendigiSurum(tablo, QLatin1String(s.ad)) <= surum)
                sutunlar << Sema::SutunTanimi(QLatin1String(s.ad), QLatin1String(s.tip));
        testSql(
            q,
            QStringLiteral("Create Table %1 (%2)").arg(tablo, sutunlar.join(QStringLiteral(", "))));
    }
    testSql(q, QStringLiteral("Insert Into Params (tuslar, skinname) Values ('x', 'Eski')"));
    testSql(q, QStringLiteral("Insert Into Adresler (Ad) Values ('Eski kayıt')"));
    if (surum > 0)
        testSql(q, QStringLiteral("Insert Into Versiyon (Versiyonno) Values (%1)").arg(surum));
}

QStringList sutunAdlari(Sorgu& q, const QString& tablo) {
    q.setSql(QStringLiteral("Select name From pragma_table_info('%1')").arg(tablo));
    q.Open();
    QStringList adlar;
    for (; !q.Eof(); q.Next()) adlar << q.fieldText(QStringLiteral("name")).toLower();
    q.Close();
    return adlar;
}

}  // namespace

class TstVeritabani : public QObject {
    Q_OBJECT

private slots:
    void init() { Zaman::Ayarla(QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9))); }
    void cleanup() { Zaman::Serbest(); }

    void olusturmaVarsayilanlari();
    void dosyaSadeceSahibineAcik();
    void yazilamayanKlasor();
    void veritabaniOlmayanDosyaAcilmaz();
    void guncelleme_data();
    void guncelleme();
    void bosVersiyonTablosu();
    void hataKaydi_data();
    void hataKaydi();
    void rastgeleAnahtar();
};

void TstVeritabani::olusturmaVarsayilanlari() {
    TestVeritabani t;
    Sorgu& q = t.q;
    q.setSql(QStringLiteral("Select Params.* From Params"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.RecordCount(), 1);
    QCOMPARE(q.fieldText(QStringLiteral("tuslar")).size(), 75);
    QVERIFY(q.fieldText(QStringLiteral("tuslar")).startsWith(QStringLiteral("Ü221;Ğ219;İ222;")));
    QVERIFY(q.fieldText(QStringLiteral("tuslar")).endsWith(QStringLiteral(",188;")));
    QCOMPARE(q.fieldDate(QStringLiteral("kurtarih")), QDate(2026, 3, 1));
    QCOMPARE(q.fieldText(QStringLiteral("kursaat")), QStringLiteral("14:05"));
    QCOMPARE(q.fieldDate(QStringLiteral("sonbiltarih")), QDate(2026, 2, 27));
    QCOMPARE(q.fieldText(QStringLiteral("skinname")), QStringLiteral("Retro (internal)"));
    QCOMPARE(q.fieldInt(QStringLiteral("kolmod")), 2);
    QCOMPARE(q.fieldInt(QStringLiteral("gridcol2")), 12639424);
    QCOMPARE(q.fieldInt(QStringLiteral("gridcol")), -16777211);
    QCOMPARE(q.fieldText(QStringLiteral("gridfont")), QStringLiteral("MS Sans Serif"));
    QCOMPARE(q.fieldInt(QStringLiteral("acilismesaj")), 1);
    QCOMPARE(q.fieldText(QStringLiteral("keyvalue")).size(), 20);
    QVERIFY(q.fieldIsNull(QStringLiteral("Ticprogram")));
    q.setSql(QStringLiteral("Select Versiyon.* From Versiyon"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.RecordCount(), 1);
    QCOMPARE(q.fieldInt(QStringLiteral("Versiyonno")), 53);
    QCOMPARE(q.fieldText(QStringLiteral("Saat")), QStringLiteral("14:05:09"));
    QCOMPARE(q.fieldText(QStringLiteral("Aciklama")), QString());
    QVERIFY(!q.fieldIsNull(QStringLiteral("Aciklama")));
    for (const SemaTablo& tablo : Sema::Tablolar())
        QCOMPARE(sutunAdlari(q, QLatin1String(tablo.ad)).size(), int(tablo.sutunlar.size()));
}

void TstVeritabani::dosyaSadeceSahibineAcik() {
    TestVeritabani t;
    QFileInfo bilgi(t.yol);
    QCOMPARE(bilgi.permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
}

void TstVeritabani::yazilamayanKlasor() {
    Baglanti db;
    Sorgu q(db);
    const auto sonuc =
        Veritabani::VeritabaniOlustur(db, q, QStringLiteral("/proc/yok/Kovimaro.Vdb"));
    QCOMPARE(sonuc, Veritabani::OlusturmaSonucu::Olusturulamadi);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/yok/Kovimaro.Vdb")));
}

void TstVeritabani::veritabaniOlmayanDosyaAcilmaz() {
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Baglanti db;
    db.setDatabaseName(yol);
    QVERIFY_THROWS_EXCEPTION(DbHatasi, db.Open());
    QVERIFY(!db.Connected());
    QFile okunan(yol);
    QVERIFY(okunan.open(QIODevice::ReadOnly));
    QCOMPARE(okunan.readAll(), QByteArray(4096, 'x'));  // nothing written
}

void TstVeritabani::guncelleme_data() {
    QTest::addColumn<int>("surum");
    QTest::addColumn<int>("beklenenSurum");
    QTest::addColumn<int>("acilismesaj");  // -1: NULL
    QTest::newRow("44") << 44 << 53 << 0;
    QTest::newRow("52") << 52 << 53 << -1;
    QTest::newRow("53") << 53 << 53 << -1;
    QTest::newRow("60") << 60 << 60 << -1;
}

void TstVeritabani::guncelleme() {
    QFETCH(int, surum);
    QFETCH(int, beklenenSurum);
    QFETCH(int, acilismesaj);
    TestVeritabani t(false);
    Sorgu& q = t.q;
    QVERIFY_DB(eskiDosya(q, surum));
    if (surum >= 46) QVERIFY_DB(testSql(q, QStringLiteral("Update Params Set acilismesaj=NULL")));
    Zaman::Ayarla(QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0)));
    QVERIFY_DB(Veritabani::VersiyonKontrol(t.db, q));

    q.setSql(QStringLiteral("Select Versiyon.* From Versiyon"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("Versiyonno")), beklenenSurum);
    if (surum < 53) {
        QCOMPARE(q.fieldDate(QStringLiteral("Tarih")), QDate(2026, 12, 11));
        QCOMPARE(q.fieldText(QStringLiteral("Saat")), QStringLiteral("09:30:00"));
    }
    if (surum <= 53) {
        // Every table and column of the current schema is there.
        for (const SemaTablo& tablo : Sema::Tablolar()) {
            const QStringList var = sutunAdlari(q, QLatin1String(tablo.ad));
            for (const SemaSutun& s : tablo.sutunlar) {
                // Params columns that no upgrade step adds stay absent in an old file.
                if (qstrcmp(tablo.ad, "Params") == 0 &&
                    EklendigiSurum(QStringLiteral("params"), QLatin1String(s.ad)) == 0)
                    continue;
                QVERIFY2(var.contains(QString::fromLatin1(s.ad).toLower()),
                         qPrintable(QStringLiteral("%1.%2").arg(QLatin1String(tablo.ad),
                                                                QLatin1String(s.ad))));
            }
        }
    }
    q.setSql(QStringLiteral("Select * From Params"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.RecordCount(), 1);
    QCOMPARE(q.fieldText(QStringLiteral("skinname")), QStringLiteral("Eski"));
    if (acilismesaj < 0)
        QVERIFY(!q.hasField(QStringLiteral("acilismesaj")) ||
                q.fieldIsNull(QStringLiteral("acilismesaj")));
    else
        QCOMPARE(q.fieldInt(QStringLiteral("acilismesaj")), acilismesaj);
    if (surum < 45) {
        QCOMPARE(q.fieldDate(QStringLiteral("kurtarih")), QDate(2026, 12, 11));
        QCOMPARE(q.fieldText(QStringLiteral("kursaat")), QStringLiteral("09:30"));
        QCOMPARE(q.fieldText(QStringLiteral("keyvalue")).size(), 20);
        QCOMPARE(q.fieldInt(QStringLiteral("kolmod")), 0);
        QCOMPARE(q.fieldInt(QStringLiteral("ftpdeneme")), 0);
    }
    q.setSql(QStringLiteral("Select * From Adresler"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldText(QStringLiteral("Ad")), QStringLiteral("Eski kayıt"));
    q.setSql(QStringLiteral(
        "Select count(*) As n From sqlite_master Where type = 'index' And name Like 'Ajanda_%'"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("n")), 3);
}

void TstVeritabani::bosVersiyonTablosu() {
    TestVeritabani t(false);
    Sorgu& q = t.q;
    QVERIFY_DB(eskiDosya(q, 0));
    QVERIFY_DB(Veritabani::VersiyonKontrol(t.db, q));
    // Every step ran: the newest tables and columns are there.
    QVERIFY(sutunAdlari(q, QStringLiteral("Notlar")).contains(QStringLiteral("notmetin")));
    QVERIFY(sutunAdlari(q, QStringLiteral("Params")).contains(QStringLiteral("ticdonem")));
    QVERIFY(sutunAdlari(q, QStringLiteral("Params")).contains(QStringLiteral("kolesira")));
    q.setSql(QStringLiteral("Select Count(*) As n From Versiyon"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("n")), 0);  // the UPDATE found no row to change
    q.setSql(QStringLiteral("Select kolesira From Params"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("kolesira")), 0);
    QVERIFY(!q.fieldIsNull(QStringLiteral("kolesira")));
}

void TstVeritabani::hataKaydi_data() {
    QTest::addColumn<int>("no");
    QTest::addColumn<QString>("yordam");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("5") << 5 << "MainFormCreate"
                       << "Registry update yapılamadı.";
    QTest::newRow("6") << 6 << "ReadParams"
                       << "Parametre okunamadı.";
}

void TstVeritabani::hataKaydi() {
    QFETCH(int, no);
    QFETCH(QString, yordam);
    QFETCH(QString, mesaj);
    TestVeritabani t;
    t.db.Close();  // opens it itself
    Veritabani::HataKaydet(t.db, t.q, no, yordam, mesaj);
    t.q.setSql(QStringLiteral("Select * From Hatalog"));
    QVERIFY_DB(t.q.Open());
    QCOMPARE(t.q.RecordCount(), 1);
    QCOMPARE(t.q.fieldInt(QStringLiteral("Hatano")), no);
    QCOMPARE(t.q.fieldText(QStringLiteral("Procname")), yordam);
    QCOMPARE(t.q.fieldText(QStringLiteral("Mesaj")), mesaj);
    QCOMPARE(t.q.fieldDate(QStringLiteral("Tarih")), QDate(2026, 3, 1));
    QCOMPARE(t.q.fieldText(QStringLiteral("Saat")), QStringLiteral("14:05:09"));
}

void TstVeritabani::rastgeleAnahtar() {
    const QString a = Veritabani::RastgeleAnahtar();
    const QString b = Veritabani::RastgeleAnahtar();
    QCOMPARE(a.size(), 20);
    QVERIFY(a != b);
    for (QChar c : a) QVERIFY(c.unicode() >= 42 && c.unicode() <= 121);
}

QTEST_GUILESS_MAIN(TstVeritabani)
#include "tst_veritabani.moc"

#include <QtTest>

#include "sema.h"
#include "testdb.h"
#include "turkce.h"
#include "zaman.h"

class TstSorgu : public QObject {
    Q_OBJECT

private slots:
    void parametreAdiBuyukKucukHarfeBakmaz();
    void nullOkumalari();
    void locate();
    void uzunMetinReddedilir_data();
    void uzunMetinReddedilir();
    void tarihKarsilastirma();
    void turkceSiralama();
    void turkceEsitlik_data();
    void turkceEsitlik();
    void kapaliBaglantidaCalistirmaHataVerir();
    void otomatikNumaraArtar();
    void bicimler_data();
    void bicimler();
};

void TstSorgu::parametreAdiBuyukKucukHarfeBakmaz() {
    TestVeritabani t;
    Sorgu& q = t.q;
    q.clearSql();
    q.addSql(QStringLiteral("Insert Into Kasahar (Tarih, Saat, Giren, Cikan, Aciklama)"));
    q.addSql(QStringLiteral("Values (:TARIH, :saat, :Giren, :cikan, :AciKlama)"));
    q.paramDate(QStringLiteral("tarih"), QDate(2026, 12, 11));
    q.paramText(QStringLiteral("SAAT"), QStringLiteral("10:30"));
    q.paramFloat(QStringLiteral("giren"), 12.5);
    q.paramFloat(QStringLiteral(":Cikan"), 0);
    q.paramText(QStringLiteral("aciklama"), QStringLiteral("Çay"));
    QVERIFY_DB(q.Execute());
    q.Close();
    q.setSql(QStringLiteral("Select * From Kasahar Where Tarih = :Tarih"));
    q.paramDate(QStringLiteral("TARIH"), QDate(2026, 12, 11));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.RecordCount(), 1);
    QCOMPARE(q.fieldText(QStringLiteral("ACIKLAMA")), QStringLiteral("Çay"));
    QCOMPARE(q.fieldFloat(QStringLiteral("giren")), 12.5);
    QCOMPARE(q.fieldDate(QStringLiteral("tarih")), QDate(2026, 12, 11));
}

void TstSorgu::nullOkumalari() {
    TestVeritabani t;
    Sorgu& q = t.q;
    QVERIFY_DB(testSql(q, QStringLiteral("Insert Into Ajanda (Ajid) Values ('x')")));
    q.setSql(QStringLiteral("Select * From Ajanda"));
    QVERIFY_DB(q.Open());
    QVERIFY(q.fieldIsNull(QStringLiteral("Alarmonce")));
    QCOMPARE(q.fieldInt(QStringLiteral("Alarmonce")), 0);
    QCOMPARE(q.fieldFloat(QStringLiteral("Alarmsaat")), 0.0);
    QCOMPARE(q.fieldText(QStringLiteral("Aciklama")), QString());
    QVERIFY(!q.fieldText(QStringLiteral("Aciklama")).isNull());
    QCOMPARE(q.fieldDate(QStringLiteral("Bastar")), QDate(1899, 12, 30));
    // A field that the SELECT does not have is an error, not a silent zero.
    QVERIFY_THROWS_EXCEPTION(DbHatasi, q.fieldInt(QStringLiteral("Yok")));
}

void TstSorgu::locate() {
    TestVeritabani t;
    Sorgu& q = t.q;
    for (const char* ad : {"Ali", "Veli", "Ayşe"})
        QVERIFY_DB(testSql(
            q,
            QStringLiteral("Insert Into Adresler (Ad) Values ('%1')").arg(QString::fromUtf8(ad))));
    q.setSql(QStringLiteral("Select * From Adresler Order By Sirano"));
    QVERIFY_DB(q.Open());
    QVERIFY(q.Locate(QStringLiteral("Ad"), QStringLiteral("veli")));
    QCOMPARE(q.RecNo(), 1);
    QVERIFY(!q.Locate(QStringLiteral("Ad"), QStringLiteral("Yok")));
    QCOMPARE(q.RecNo(), 1);  // stays where it was
    // Random keys differ in letter case alone: those are found exactly.
    QVERIFY(!q.Locate(QStringLiteral("Ad"), QStringLiteral("veli"), Qt::CaseSensitive));
    QCOMPARE(q.RecNo(), 1);
    QVERIFY(q.Locate(QStringLiteral("Ad"), QStringLiteral("Ali"), Qt::CaseSensitive));
    QCOMPARE(q.RecNo(), 0);
    QVERIFY(q.Locate(QStringLiteral("Sirano"), 3));
    QCOMPARE(q.fieldText(QStringLiteral("Ad")), QStringLiteral("Ayşe"));
    q.Last();
    q.Next();
    QVERIFY(q.Eof());
    q.First();
    QVERIFY(!q.Eof());
    QCOMPARE(q.RecordCount(), 3);
}

void TstSorgu::uzunMetinReddedilir_data() {
    QTest::addColumn<QString>("tablo");
    QTest::addColumn<QString>("sutun");
    QTest::addColumn<int>("uzunluk");
    QTest::addColumn<bool>("kabul");
    QTest::newRow("Ad 25 fits") << "Adresler"
                                << "Ad" << 25 << true;
    QTest::newRow("Ad 26 refused") << "Adresler"
                                   << "Ad" << 26 << false;
    QTest::newRow("Kasahar.Aciklama 41 refused") << "Kasahar"
                                                 << "Aciklama" << 41 << false;
    QTest::newRow("Ajanda.Aciklama 150 fits") << "Ajanda"
                                              << "Aciklama" << 150 << true;
}

void TstSorgu::uzunMetinReddedilir() {
    QFETCH(QString, tablo);
    QFETCH(QString, sutun);
    QFETCH(int, uzunluk);
    QFETCH(bool, kabul);
    TestVeritabani t;
    Sorgu& q = t.q;
    q.setSql(QStringLiteral("Insert Into %1 (%2) Values (:v)").arg(tablo, sutun));
    q.paramText(QStringLiteral("v"),
                QString(uzunluk, QChar(0x15F)));  // ş: one character, two bytes
    bool oldu = Sessizce([&] { q.Execute(); });
    QCOMPARE(oldu, kabul);
}

void TstSorgu::tarihKarsilastirma() {
    TestVeritabani t;
    Sorgu& q = t.q;
    for (int gun : {9, 10, 11}) {
        q.setSql(QStringLiteral("Insert Into Kasahar (Tarih, Giren) Values (:t, 1)"));
        q.paramDate(QStringLiteral("t"), QDate(2026, 12, gun));
        QVERIFY_DB(q.Execute());
    }
    q.setSql(QStringLiteral("Insert Into Kasahar (Tarih, Giren) Values (:t, 1)"));
    q.paramDate(QStringLiteral("t"), Zaman::SifirTarih());
    QVERIFY_DB(q.Execute());
    q.setSql(QStringLiteral("Select Count(*) As n From Kasahar Where Tarih < :t"));
    q.paramDate(QStringLiteral("t"), QDate(2026, 12, 10));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("n")), 2);  // the 9th and the zero date
    q.setSql(QStringLiteral("Select Count(*) As n From Kasahar Where Tarih = :t"));
    q.paramDateTime(QStringLiteral("t"), QDateTime(QDate(2026, 12, 10), QTime(0, 0)));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("n")), 1);
}

void TstSorgu::turkceSiralama() {
    TestVeritabani t;
    Sorgu& q = t.q;
    const QStringList karisik = {
        QStringLiteral("İsmail"), QStringLiteral("Çetin"), QStringLiteral("Irmak"),
        QStringLiteral("Cem"),    QStringLiteral("Zeki"),  QStringLiteral("Şule"),
        QStringLiteral("Sema"),   QStringLiteral("ımran"), QStringLiteral("Ömer"),
        QStringLiteral("Oya"),    QStringLiteral("Ğ"),     QStringLiteral("Gül"),
        QStringLiteral("Ülkü"),   QStringLiteral("Umut")};
    for (const QString& ad : karisik) {
        q.setSql(QStringLiteral("Insert Into Adresler (Ad) Values (:Ad)"));
        q.paramText(QStringLiteral("Ad"), ad);
        QVERIFY_DB(q.Execute());
    }
    q.setSql(QStringLiteral("Select Ad From Adresler Order By Ad COLLATE TURKCE"));
    QVERIFY_DB(q.Open());
    QStringList sirali;
    for (; !q.Eof(); q.Next()) sirali << q.fieldText(QStringLiteral("Ad"));
    const QStringList beklenen = {
        QStringLiteral("Cem"),    QStringLiteral("Çetin"), QStringLiteral("Gül"),
        QStringLiteral("Ğ"),      QStringLiteral("ımran"), QStringLiteral("Irmak"),
        QStringLiteral("İsmail"), QStringLiteral("Oya"),   QStringLiteral("Ömer"),
        QStringLiteral("Sema"),   QStringLiteral("Şule"),  QStringLiteral("Umut"),
        QStringLiteral("Ülkü"),   QStringLiteral("Zeki")};
    QCOMPARE(sirali, beklenen);
}

void TstSorgu::turkceEsitlik_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("esit");
    QTest::newRow("İ = i") << "İSTANBUL"
                           << "istanbul" << true;
    QTest::newRow("I = ı") << "IŞIK"
                           << "ışık" << true;
    QTest::newRow("I != i") << "I"
                            << "i" << false;
    QTest::newRow("Ç = ç") << "ÇAĞ"
                           << "çağ" << true;
    QTest::newRow("Ö Ş Ü") << "ÖŞÜ"
                           << "öşü" << true;
    QTest::newRow("C != Ç") << "Cem"
                            << "Çem" << false;
}

void TstSorgu::turkceEsitlik() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, esit);
    QCOMPARE(Turkce::Esit(a, b), esit);
    TestVeritabani t;
    Sorgu& q = t.q;
    q.setSql(QStringLiteral("Select (:a = :b COLLATE TURKCE) As e"));
    q.paramText(QStringLiteral("a"), a);
    q.paramText(QStringLiteral("b"), b);
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("e")) == 1, esit);
}

void TstSorgu::kapaliBaglantidaCalistirmaHataVerir() {
    TestVeritabani t;
    t.db.Close();
    t.q.setSql(QStringLiteral("Update Params Set kolmod=1"));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, t.q.Execute());
    QVERIFY_THROWS_EXCEPTION(DbHatasi, t.q.Open());
}

void TstSorgu::otomatikNumaraArtar() {
    TestVeritabani t;
    Sorgu& q = t.q;
    QVERIFY_DB(testSql(q, QStringLiteral("Insert Into Notlar (Aciklama) Values ('a')")));
    QVERIFY_DB(testSql(q, QStringLiteral("Insert Into Notlar (Aciklama) Values ('b')")));
    QVERIFY_DB(testSql(q, QStringLiteral("Delete From Notlar Where Aciklama = 'b'")));
    QVERIFY_DB(testSql(q, QStringLiteral("Insert Into Notlar (Aciklama) Values ('c')")));
    q.setSql(QStringLiteral("Select Sirano From Notlar Where Aciklama = 'c'"));
    QVERIFY_DB(q.Open());
    QCOMPARE(q.fieldInt(QStringLiteral("Sirano")), 3);  // numbers are never given twice
}

void TstSorgu::bicimler_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<QString>("tutar");
    QTest::addColumn<QString>("kisa");
    QTest::newRow("1500") << 1500.0 << "1.500,00"
                          << "1.500";
    QTest::newRow("12.5") << 12.5 << "12,50"
                          << "12,5";
    QTest::newRow("0.1+0.2") << (0.1 + 0.2) << "0,30"
                             << "0,3";
    QTest::newRow("-1234567.891") << -1234567.891 << "-1.234.567,89"
                                  << "-1.234.567,89";
    QTest::newRow("0") << 0.0 << "0,00"
                       << "0";
}

void TstSorgu::bicimler() {
    QFETCH(double, deger);
    QFETCH(QString, tutar);
    QFETCH(QString, kisa);
    QCOMPARE(Turkce::Tutar(deger), tutar);
    QCOMPARE(Turkce::KisaTutar(deger), kisa);
}

QTEST_GUILESS_MAIN(TstSorgu)
#include "tst_sorgu.moc"

// The agenda window against a real file: opening, the day and row-length
// buttons, stepping, range loads, the list and closing.
#include <QAbstractItemModelTester>
#include <QSettings>

#include "acikajanda.h"
#include "mesaj.h"
#include "planyoneticisi.h"
#include "yerlesim.h"

class TstTFAjanda : public QObject {
    Q_OBJECT

private slots:
    void acilis();
    void listeModeli();
    void ikinciGosterimYenidenOkumaz();
    void dugmeler_data();
    void dugmeler();
    void gunAdimi_data();
    void gunAdimi();
    void aralikYukleme_data();
    void aralikYukleme();
    void satirdanRandevu();
    void reddedilenSatirBirKezBildirilir();
    void escPencereyiKapatir();
};

void TstTFAjanda::acilis() {
    AjandaOrtami o;
    for (int i = 0; i < 3; ++i)
        o.ekle(satir(QString::number(i), kPazartesi.addDays(i), "10:00:00", kPazartesi.addDays(i),
                     "11:00:00"));
    AcikAjanda a;
    QCOMPARE(a->windowTitle(), QStringLiteral("Ajanda ..."));
    QCOMPARE(a->objectName(), QStringLiteral("FAjanda"));
    QCOMPARE(a->Sayfalar->currentWidget(), a->SGunluk);
    QCOMPARE(a->GunlukPlan->gunSayisi(), 7);
    QCOMPARE(a->GunlukPlan->ilkGun(), kPazartesi);
    QCOMPARE(a->ETarih->tarih(), kPazartesi);
    QCOMPARE(a->GunlukPlan->satirDakika(), 30);
    QCOMPARE(a->GunlukPlan->ustSatir(), 18);
    QCOMPARE(a->GunlukPlan->planAdi(), QStringLiteral("Kovimaro"));
    QCOMPARE(a->PlanManager->RandevuSayisi(), 3);
    // The whole table is read as the window opens; the list stands on its last row.
    QCOMPARE(a->Ds_Kayitlar->rowCount(), 3);
    listeyeGec(a.w);
    QCOMPARE(a->Ds_Kayitlar->rowCount(), 3);
    QCOMPARE(a->DbKayitlar->currentIndex().row(), 2);
    QCOMPARE(listeAjid(a.w), QStringLiteral("2"));
}

void TstTFAjanda::listeModeli() {
    AjandaOrtami o;
    o.ekle(satir("b", kPazartesi.addDays(1), "09:00:00", kPazartesi.addDays(1), "10:00:00"));
    o.ekle(satir("a", kPazartesi, "15:30:00", kPazartesi.addDays(2), "08:00:00"));
    o.ekle(satir("c", kPazartesi, "08:15:00", kPazartesi, "08:45:00"));
    AcikAjanda a;
    listeyeGec(a.w);
    QAbstractItemModelTester denetci(a->Ds_Kayitlar,
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(a->Ds_Kayitlar->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Baş.Tarihi"));
    QCOMPARE(a->Ds_Kayitlar->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Açıklama"));
    // Sorted by start date, then start time; dates in Turkish form.
    const QStringList beklenen{"c", "a", "b"};
    for (int r = 0; r < 3; ++r)
        QCOMPARE(a->Ds_Kayitlar->index(r, 4).data().toString(),
                 QStringLiteral("Randevu ") + beklenen[r]);
    QCOMPARE(a->Ds_Kayitlar->index(1, 0).data().toString(), QStringLiteral("07.12.2026"));
    QCOMPARE(a->Ds_Kayitlar->index(1, 1).data().toString(), QStringLiteral("15:30:00"));
    QCOMPARE(a->Ds_Kayitlar->index(1, 2).data().toString(), QStringLiteral("09.12.2026"));
    QCOMPARE(a->DbKayitlar->columnWidth(0), 89);
    QCOMPARE(a->DbKayitlar->columnWidth(4), 379);
}

void TstTFAjanda::ikinciGosterimYenidenOkumaz() {
    AjandaOrtami o;
    AcikAjanda a;
    listeyeGec(a.w);
    o.ekle(satir("yeni", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    a->hide();
    a->show();
    QCOMPARE(a->Ds_Kayitlar->rowCount(), 0);
    QVERIFY(!a->PlanManager->Bul(QStringLiteral("yeni")));
}

void TstTFAjanda::dugmeler_data() {
    QTest::addColumn<QStringList>("basilanlar");
    QTest::addColumn<int>("gun");
    QTest::addColumn<int>("satir");
    QTest::newRow("31 days") << QStringList{"sSpeedButton14"} << 31 << 48;
    QTest::newRow("1 after 31") << QStringList{"sSpeedButton14", "sSpeedButton8"} << 1 << 48;
    QTest::newRow("14 days") << QStringList{"sSpeedButton13"} << 14 << 48;
    QTest::newRow("60 minutes") << QStringList{"sSpeedButton1"} << 7 << 24;
    QTest::newRow("5 minutes") << QStringList{"sSpeedButton6"} << 7 << 288;
    QTest::newRow("1 minute") << QStringList{"sSpeedButton7"} << 7 << 1440;
    QTest::newRow("20 minutes, 3 days")
        << QStringList{"sSpeedButton3", "sSpeedButton10"} << 3 << 72;
}

void TstTFAjanda::dugmeler() {
    QFETCH(QStringList, basilanlar);
    QFETCH(int, gun);
    QFETCH(int, satir);
    AjandaOrtami o;
    AcikAjanda a;
    for (const QString& ad : basilanlar) a.dugme(qPrintable(ad));
    QCOMPARE(a->GunlukPlan->gunSayisi(), gun);
    QCOMPARE(a->GunlukPlan->satirSayisi(), satir);
    QCOMPARE(a->GunlukPlan->ilkGun(), kPazartesi);
}

void TstTFAjanda::gunAdimi_data() {
    QTest::addColumn<QString>("gunDugmesi");
    QTest::addColumn<QStringList>("adimlar");
    QTest::addColumn<int>("fark");
    QTest::newRow("forward at 7 days") << "sSpeedButton12" << QStringList{"BSonraki"} << 1;
    QTest::newRow("forward at 31 days") << "sSpeedButton14" << QStringList{"BSonraki"} << 1;
    QTest::newRow("back twice at 31 days")
        << "sSpeedButton14" << QStringList{"sBitBtn1", "sBitBtn1"} << -2;
    QTest::newRow("back and forth at 1 day")
        << "sSpeedButton8" << QStringList{"sBitBtn1", "BSonraki", "BSonraki"} << 1;
}

void TstTFAjanda::gunAdimi() {
    QFETCH(QString, gunDugmesi);
    QFETCH(QStringList, adimlar);
    QFETCH(int, fark);
    AjandaOrtami o;
    AcikAjanda a;
    a.dugme(qPrintable(gunDugmesi));
    for (const QString& ad : adimlar) a.dugme(qPrintable(ad));
    QCOMPARE(a->GunlukPlan->ilkGun(), kPazartesi.addDays(fark));
    QCOMPARE(a->ETarih->tarih(), kPazartesi.addDays(fark));
}

void TstTFAjanda::aralikYukleme_data() {
    QTest::addColumn<QDate>("ilkGun");
    QTest::addColumn<QString>("gunDugmesi");
    QTest::addColumn<bool>("yuklendi");
    const QDate a9(2026, 12, 9);
    QTest::newRow("9 to 15 December") << a9 << "sSpeedButton12" << true;
    QTest::newRow("10 December alone") << a9.addDays(1) << "sSpeedButton8" << false;
    QTest::newRow("ends on the last day asked") << a9.addDays(-4) << "sSpeedButton12" << true;
    QTest::newRow("ends a day after the last day asked")
        << a9.addDays(-5) << "sSpeedButton12" << false;
    QTest::newRow("exactly its three days") << a9 << "sSpeedButton10" << true;
    QTest::newRow("two of its three days") << a9 << "sSpeedButton9" << false;
}

void TstTFAjanda::aralikYukleme() {
    QFETCH(QDate, ilkGun);
    QFETCH(QString, gunDugmesi);
    QFETCH(bool, yuklendi);
    AjandaOrtami o;
    o.ekle(satir("uc", QDate(2026, 12, 9), "10:00:00", QDate(2026, 12, 11), "12:00:00"));
    // Opened far away from it, so that only the request under test can bring it in.
    AcikAjanda a(QDateTime(QDate(2026, 11, 1), QTime(12, 0)));
    QVERIFY(!a->PlanManager->Bul(QStringLiteral("uc")));
    a.dugme(qPrintable(gunDugmesi));
    a->ETarih->setTarih(ilkGun);
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("uc")) != nullptr, yuklendi);
}

void TstTFAjanda::satirdanRandevu() {
    AjandaOrtami o;
    o.ekle(satir("alarmli", kPazartesi, "09:30:00", kPazartesi.addDays(1), "10:15:45", 2));
    o.ekle(satir("alarmsiz", kPazartesi, "13:00:00", kPazartesi, "14:00:00", 1));
    o.ekle(satir("gece", kPazartesi, "22:00:00", kPazartesi, "00:00:00", 1));
    AcikAjanda a;
    const Randevu* r = a->PlanManager->Bul(QStringLiteral("alarmli"));
    QVERIFY(r);
    QCOMPARE(r->baslangic, QDateTime(kPazartesi, QTime(9, 30)));
    QCOMPARE(r->bitis, QDateTime(kPazartesi.addDays(1), QTime(10, 15, 45)));
    QCOMPARE(r->aciklama, QStringLiteral("Randevu alarmli"));
    QVERIFY(r->alarmAcik);
    QCOMPARE(r->planlar, QStringList{QStringLiteral("Kovimaro")});
    QVERIFY(!a->PlanManager->Bul(QStringLiteral("alarmsiz"))->alarmAcik);
    // An end at midnight closes that day.
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("gece"))->bitis,
             QDateTime(kPazartesi, QTime(23, 59, 59)));
    // The two-day appointment has a box on both of its days.
    QCOMPARE(a->GunlukPlan->randevuAlanlari(QStringLiteral("alarmli")).size(), 2);
    QCOMPARE(a->GunlukPlan->randevuAlanlari(QStringLiteral("alarmsiz")).size(), 1);
}

void TstTFAjanda::reddedilenSatirBirKezBildirilir() {
    AjandaOrtami o;
    o.ekle(satir("iyi", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    o.ekle(satir("saat", kPazartesi.addDays(1), "23:50:00", kPazartesi.addDays(1), "00:15:00"));
    o.ekle(satir("gun", kPazartesi.addDays(3), "10:00:00", kPazartesi.addDays(2), "11:00:00"));
    o.ekle(satir("sonra", kPazartesi.addDays(4), "10:00:00", kPazartesi.addDays(4), "11:00:00"));
    AcikAjanda a;
    const QStringList hatalar = AjandaOrtami::mesajlar(-1);
    QCOMPARE(hatalar.size(), 1);
    QVERIFY(hatalar[0].contains(QStringLiteral("Invalid start and end times")));
    QVERIFY(hatalar[0].contains(QStringLiteral("Invalid start and end dates")));
    QVERIFY(hatalar[0].contains(QStringLiteral("Randevu saat")));
    QVERIFY(a->PlanManager->Bul(QStringLiteral("iyi")));
    QVERIFY(a->PlanManager->Bul(QStringLiteral("sonra")));
    QVERIFY(!a->PlanManager->Bul(QStringLiteral("saat")));
    QVERIFY(!a->PlanManager->Bul(QStringLiteral("gun")));
    // The days are held: stepping away and back does not report them again.
    a.dugme("BSonraki");
    a.dugme("sBitBtn1");
    QCOMPARE(AjandaOrtami::mesajlar(-1).size(), 1);
    // The list still shows every row.
    listeyeGec(a.w);
    QCOMPARE(a->Ds_Kayitlar->rowCount(), 4);
}

void TstTFAjanda::escPencereyiKapatir() {
    AjandaOrtami o;
    AcikAjanda a;
    a->GunlukPlan->setFocus();
    const QString yerlesim = Yerlesim::DosyaYolu(QStringLiteral("Ajanda"));
    QFile::remove(yerlesim);
    QTest::keyClick(a->GunlukPlan, Qt::Key_Escape);
    QTRY_VERIFY(a.w.isNull());
    // Closing keeps the window's place and the list's columns in "Ajanda", section Kovimaro.
    QSettings ayarlar(yerlesim, QSettings::IniFormat);
    QVERIFY(ayarlar.childGroups().contains(QStringLiteral("Kovimaro")));
    QVERIFY(yerlesim.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

QTEST_MAIN(TstTFAjanda)
#include "tst_tfajanda.moc"

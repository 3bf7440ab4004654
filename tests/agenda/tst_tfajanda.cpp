// The agenda window against a real file: opening, stepping, range loads,
// adding, changing, deleting and dragging appointments.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QSettings>
#include <QtTest>

#include "yerlesim.h"

#include "ajandatest.h"
#include "alanlar.h"
#include "gunlukplan.h"
#include "kayitlarmodeli.h"
#include "mesaj.h"
#include "planyoneticisi.h"
#include "tfajanda.h"
#include "tfajandanew.h"
#include "zaman.h"

namespace {

const QDate kPazartesi(2026, 12, 7);

AjandaOrtami::Satir satir(const QString& ajid, const QDate& bas, const QString& bassaat,
                          const QDate& bit, const QString& bitsaat, qint64 alarmvar = 1) {
    AjandaOrtami::Satir s;
    s.ajid = ajid;
    s.bastar = bas;
    s.bassaat = bassaat;
    s.bittar = bit;
    s.bitsaat = bitsaat;
    s.aciklama = QStringLiteral("Randevu ") + ajid;
    s.alarmvar = alarmvar;
    return s;
}

// The agenda window, shown, on the pinned day; freed at the end when it still lives.
struct AcikAjanda {
    explicit AcikAjanda(const QDateTime& an = QDateTime(kPazartesi, QTime(14, 5, 30))) {
        Zaman::Ayarla(an);
        w = new TFAjanda;
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) qWarning("agenda window not exposed");
    }
    ~AcikAjanda() { delete w; }
    TFAjanda* operator->() const { return w; }
    QWidget* izgara() const { return w->GunlukPlan->viewport(); }
    QPoint hucre(int kolon, int satir) const { return w->GunlukPlan->hucreAlani(kolon, satir).center(); }
    void dugme(const char* ad) const { bul<QAbstractButton>(w, ad)->click(); }
    QPointer<TFAjanda> w;
};

// Brings the list tab to the front; the list is read then.
void listeyeGec(TFAjanda* w) { w->Sayfalar->setCurrentWidget(w->Stumadres); }

QString listeAjid(TFAjanda* w) {
    listeyeGec(w);
    const int r = w->DbKayitlar->currentIndex().row();
    w->Q_Kayitlar.setRecNo(r);
    return w->Q_Kayitlar.fieldText(QStringLiteral("Ajid"));
}

}  // namespace

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
    void ekleSecimsiz();
    void ekleGeceYarisi();
    void ekleSecimden_data();
    void ekleSecimden();
    void ciftTiklamaSecilenAraliktan();
    void cikisHicbirSeyKaydetmez();
    void secimsizDuzeltVeSil_data();
    void secimsizDuzeltVeSil();
    void sil_data();
    void sil();
    void duzelt();
    void surukleme_data();
    void surukleme();
    void escPencereyiKapatir();
};

void TstTFAjanda::acilis() {
    AjandaOrtami o;
    for (int i = 0; i < 3; ++i)
        o.ekle(satir(QString::number(i), kPazartesi.addDays(i), "10:00:00", kPazartesi.addDays(i), "11:00:00"));
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
    // The whole table is read when the list is first looked at; it stands on its last row.
    QCOMPARE(a->Ds_Kayitlar->rowCount(), 0);
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
    QAbstractItemModelTester denetci(a->Ds_Kayitlar, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(a->Ds_Kayitlar->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Baş.Tarihi"));
    QCOMPARE(a->Ds_Kayitlar->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Açıklama"));
    // Sorted by start date, then start time; dates in Turkish form.
    const QStringList beklenen{"c", "a", "b"};
    for (int r = 0; r < 3; ++r)
        QCOMPARE(a->Ds_Kayitlar->index(r, 4).data().toString(), QStringLiteral("Randevu ") + beklenen[r]);
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
    QTest::newRow("20 minutes, 3 days") << QStringList{"sSpeedButton3", "sSpeedButton10"} << 3 << 72;
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
    QTest::newRow("back twice at 31 days") << "sSpeedButton14" << QStringList{"sBitBtn1", "sBitBtn1"} << -2;
    QTest::newRow("back and forth at 1 day") << "sSpeedButton8" << QStringList{"sBitBtn1", "BSonraki", "BSonraki"} << 1;
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
    QTest::newRow("ends a day after the last day asked") << a9.addDays(-5) << "sSpeedButton12" << false;
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
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("gece"))->bitis, QDateTime(kPazartesi, QTime(23, 59, 59)));
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

void TstTFAjanda::ekleSecimsiz() {
    AjandaOrtami o;
    AcikAjanda a;
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QStringLiteral("Kayıt girişi ..."));
        QCOMPARE(p->EBastar->tarih(), kPazartesi);
        QCOMPARE(p->EBittar->tarih(), kPazartesi);
        QCOMPARE(p->EBassaat->time(), QTime(14, 5, 30));
        QCOMPARE(p->EBitsaat->time(), QTime(14, 30, 30));
        QCOMPARE(p->EUyarigun->tarih(), kPazartesi);
        QCOMPARE(p->EUyarisaat->text(), QStringLiteral("14"));
        QCOMPARE(p->EUyaridak->text(), QStringLiteral("05"));
        QVERIFY(!p->EUyari->isChecked());
        p->EAciklama->setPlainText(QStringLiteral("Diş hekimi\nsaat 14'te"));
        p->BKaydet->click();
    }});
    a.dugme("Bekle");
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 1);
    const QString ajid = listeAjid(a.w);
    QCOMPARE(ajid.size(), 20);
    const auto s = o.oku(ajid);
    QCOMPARE(s.bastar, kPazartesi);
    QCOMPARE(s.bassaat, QStringLiteral("14:05:30"));
    QCOMPARE(s.bittar, kPazartesi);
    QCOMPARE(s.bitsaat, QStringLiteral("14:30:30"));
    QCOMPARE(s.aciklama, QStringLiteral("Diş hekimi\nsaat 14'te"));
    QCOMPARE(s.alarmvar, 1);
    QCOMPARE(s.alarmgun, Zaman::SifirTarih());
    QCOMPARE(s.alarmsaat, 0);
    QCOMPARE(s.alarmdak, 0);
    // At once in the day view and as the list's current row.
    QVERIFY(a->PlanManager->Bul(ajid));
    QCOMPARE(a->GunlukPlan->randevuAlanlari(ajid).size(), 1);
    QCOMPARE(a->DbKayitlar->currentIndex().row(), a->Ds_Kayitlar->rowCount() - 1);
}

void TstTFAjanda::ekleGeceYarisi() {
    AjandaOrtami o;
    AcikAjanda a(QDateTime(kPazartesi, QTime(23, 50)));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBitsaat->time(), QTime(0, 15));
        QCOMPARE(p->EBittar->tarih(), kPazartesi);
        p->BKaydet->click();
    }});
    a.dugme("Bekle");
    QCOMPARE(o.satirSayisi(), 1);
    const QString ajid = listeAjid(a.w);
    QCOMPARE(o.oku(ajid).bitsaat, QStringLiteral("00:15:00"));
    const QStringList hatalar = AjandaOrtami::mesajlar(-1);
    QCOMPARE(hatalar.size(), 1);
    QVERIFY(hatalar[0].startsWith(QStringLiteral("Invalid start and end times")));
    QVERIFY(!a->PlanManager->Bul(ajid));
}

void TstTFAjanda::ekleSecimden_data() {
    QTest::addColumn<int>("dakikaDugmesi");
    QTest::addColumn<QPoint>("capa");
    QTest::addColumn<QPoint>("imlec");
    QTest::addColumn<QDateTime>("bas");
    QTest::addColumn<QDateTime>("bit");
    const QDate sali = kPazartesi.addDays(1), cars = kPazartesi.addDays(2);
    QTest::newRow("Monday 10:00 to Wednesday 11:30")
        << 2 << QPoint(0, 20) << QPoint(2, 23) << QDateTime(kPazartesi, QTime(10, 0))
        << QDateTime(cars, QTime(11, 59, 59));
    QTest::newRow("dragged backwards") << 2 << QPoint(2, 23) << QPoint(0, 20)
                                       << QDateTime(kPazartesi, QTime(10, 0))
                                       << QDateTime(cars, QTime(11, 59, 59));
    QTest::newRow("one cell at 15 minutes") << 4 << QPoint(1, 41) << QPoint(1, 41)
                                            << QDateTime(sali, QTime(10, 15))
                                            << QDateTime(sali, QTime(10, 29, 59));
    QTest::newRow("last row of the day") << 1 << QPoint(0, 23) << QPoint(0, 23)
                                         << QDateTime(kPazartesi, QTime(23, 0))
                                         << QDateTime(kPazartesi, QTime(23, 59, 59));
}

void TstTFAjanda::ekleSecimden() {
    QFETCH(int, dakikaDugmesi);
    QFETCH(QPoint, capa);
    QFETCH(QPoint, imlec);
    QFETCH(QDateTime, bas);
    QFETCH(QDateTime, bit);
    AjandaOrtami o;
    AcikAjanda a;
    a.dugme(qPrintable(QStringLiteral("sSpeedButton%1").arg(dakikaDugmesi)));
    a->GunlukPlan->hucreSec(capa, imlec);
    // Ticking the alarm without touching it sets it at the start.
    ModalSurucu surucu({[&](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(QDateTime(p->EBastar->tarih(), p->EBassaat->time()), bas);
        QCOMPARE(QDateTime(p->EBittar->tarih(), p->EBitsaat->time()), bit);
        p->EUyari->setChecked(true);
        p->BKaydet->click();
    }});
    // The pop-up menu's "Yeni Kayıt Ekle" is the same command as "Ekle".
    a->Mspyenikayekle->trigger();
    QCOMPARE(surucu.kalan(), 0);
    const auto s = o.oku(listeAjid(a.w));
    QCOMPARE(s.alarmvar, 2);
    QCOMPARE(s.alarmgun, bas.date());
    QCOMPARE(s.alarmsaat, bas.time().hour());
    QCOMPARE(s.alarmdak, bas.time().minute());
}

void TstTFAjanda::ciftTiklamaSecilenAraliktan() {
    AjandaOrtami o;
    AcikAjanda a;
    // Drag over 10:00 to 11:30 of Tuesday, then double-click inside it.
    QTest::mousePress(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 20));
    QTest::mouseMove(a.izgara(), a.hucre(1, 22));
    QTest::mouseMove(a.izgara(), a.hucre(1, 23));
    QTest::mouseRelease(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 23));
    QCOMPARE(a->GunlukPlan->ilkSeciliHucre(), QPoint(1, 20));
    QCOMPARE(a->GunlukPlan->sonSeciliHucre(), QPoint(1, 23));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBastar->tarih(), kPazartesi.addDays(1));
        QCOMPARE(p->EBittar->tarih(), kPazartesi.addDays(1));
        QCOMPARE(p->EBassaat->time(), QTime(10, 0));
        QCOMPARE(p->EBitsaat->time(), QTime(11, 59, 59));
        p->BCikis->click();
    }});
    QTest::mouseDClick(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 21));
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 0);
}

void TstTFAjanda::cikisHicbirSeyKaydetmez() {
    AjandaOrtami o;
    o.ekle(satir("var", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    AcikAjanda a;
    listeyeGec(a.w);
    a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    ModalSurucu surucu({[](QDialog* d) { qobject_cast<TFAjandanew*>(d)->BCikis->click(); },
                        [](QDialog* d) {
                            auto* p = qobject_cast<TFAjandanew*>(d);
                            p->EAciklama->setPlainText(QStringLiteral("değişmemeli"));
                            QTest::keyClick(p, Qt::Key_Escape);
                        }});
    a.dugme("BGridekle");
    a.dugme("BGridduzelt");
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 1);
    QCOMPARE(o.oku(QStringLiteral("var")).aciklama, QStringLiteral("Randevu var"));
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("var"))->aciklama, QStringLiteral("Randevu var"));
}

void TstTFAjanda::secimsizDuzeltVeSil_data() {
    QTest::addColumn<QString>("dugme");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("Düzelt") << "BDuzelt" << "Önce düzeltilecek kaydı seçin.";
    QTest::newRow("Sil") << "BSil" << "Önce silinecek kaydı seçin.";
}

void TstTFAjanda::secimsizDuzeltVeSil() {
    QFETCH(QString, dugme);
    QFETCH(QString, mesaj);
    AjandaOrtami o;
    AcikAjanda a;
    // Before any click: nothing at all.
    a.dugme(qPrintable(dugme));
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    // After a click on an empty cell: the plain message box.
    QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, a.hucre(0, 20));
    a.dugme(qPrintable(dugme));
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Duz), QStringList{mesaj});
}

void TstTFAjanda::sil_data() {
    QTest::addColumn<bool>("listeden");
    QTest::addColumn<int>("cevap");
    QTest::newRow("day view, Hayır Kaydı Silme") << false << -1;
    QTest::newRow("day view, closed with the close box") << false << 2;
    QTest::newRow("day view, Evet Sil") << false << 1;
    QTest::newRow("list, Hayır Kaydı Silme") << true << -1;
    QTest::newRow("list, Evet Sil") << true << 1;
}

void TstTFAjanda::sil() {
    QFETCH(bool, listeden);
    QFETCH(int, cevap);
    AjandaOrtami o;
    o.ekle(satir("sil", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    o.ekle(satir("kal", kPazartesi, "12:00:00", kPazartesi, "13:00:00"));
    AcikAjanda a;
    if (listeden) {
        a->Sayfalar->setCurrentWidget(a->Stumadres);
        a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    } else {
        const QRect kutu = a->GunlukPlan->randevuAlanlari(QStringLiteral("sil")).value(0);
        QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, kutu.center());
        QCOMPARE(a->GunlukPlan->seciliRandevu(), QStringLiteral("sil"));
    }
    MesajTest::CevapEkle(cevap);
    a.dugme(listeden ? "BSil2" : "BSil");
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Silonay).size(), 1);
    const bool silindi = cevap == 1;
    QCOMPARE(o.oku(QStringLiteral("sil")).ajid.isEmpty(), silindi);
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("sil")) == nullptr, silindi);
    listeyeGec(a.w);
    QCOMPARE(a->Ds_Kayitlar->rowCount(), silindi ? 1 : 2);
    QVERIFY(!o.oku(QStringLiteral("kal")).ajid.isEmpty());
    QVERIFY(a->PlanManager->Bul(QStringLiteral("kal")));
}

void TstTFAjanda::duzelt() {
    AjandaOrtami o;
    auto s = satir("d", kPazartesi, "10:00:00", kPazartesi, "11:00:00", 2);
    s.alarmgun = kPazartesi;
    s.alarmsaat = 7;
    s.alarmdak = 5;
    o.ekle(s);
    o.ekle(satir("x", kPazartesi.addDays(1), "10:00:00", kPazartesi.addDays(1), "11:00:00"));
    o.ekle(satir("y", kPazartesi.addDays(2), "10:00:00", kPazartesi.addDays(2), "11:00:00"));
    AcikAjanda a;
    a->Sayfalar->setCurrentWidget(a->Stumadres);
    a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBastar->tarih(), kPazartesi);
        QCOMPARE(p->EBassaat->time(), QTime(10, 0));
        QCOMPARE(p->EBitsaat->time(), QTime(11, 0));
        QVERIFY(p->EUyari->isChecked());
        QCOMPARE(p->EUyarigun->tarih(), kPazartesi);
        QCOMPARE(p->EUyarisaat->text(), QStringLiteral("07"));
        QCOMPARE(p->EUyaridak->text(), QStringLiteral("05"));
        // Moved after the others, without its alarm.
        p->EBastar->setTarih(kPazartesi.addDays(5));
        p->EBittar->setTarih(kPazartesi.addDays(5));
        p->EAciklama->setPlainText(QStringLiteral("Ertelendi"));
        p->EUyari->setChecked(false);
        p->BKaydet->click();
    }});
    QTRY_VERIFY(a->DbKayitlar->viewport()->isVisible());
    const QPoint yer = a->DbKayitlar->visualRect(a->Ds_Kayitlar->index(0, 4)).center();
    // As a desktop delivers it: the second press comes before the double-click.
    QTest::mouseClick(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QTest::mousePress(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QMouseEvent cift(QEvent::MouseButtonDblClick, yer, a->DbKayitlar->viewport()->mapToGlobal(yer),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(a->DbKayitlar->viewport(), &cift);
    QTest::mouseRelease(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(surucu.kalan(), 0);
    const auto sonra = o.oku(QStringLiteral("d"));
    QCOMPARE(sonra.bastar, kPazartesi.addDays(5));
    QCOMPARE(sonra.aciklama, QStringLiteral("Ertelendi"));
    QCOMPARE(sonra.alarmvar, 1);
    QCOMPARE(sonra.alarmgun, Zaman::SifirTarih());
    QCOMPARE(sonra.alarmsaat, 0);
    QCOMPARE(sonra.alarmdak, 0);
    // The list follows the changed row to its new place.
    QCOMPARE(a->DbKayitlar->currentIndex().row(), 2);
    QCOMPARE(listeAjid(a.w), QStringLiteral("d"));
    const Randevu* r = a->PlanManager->Bul(QStringLiteral("d"));
    QCOMPARE(r->aciklama, QStringLiteral("Ertelendi"));
    QCOMPARE(r->baslangic.date(), kPazartesi.addDays(5));
    QVERIFY(!r->alarmAcik);
}

void TstTFAjanda::surukleme_data() {
    QTest::addColumn<QString>("tutma");  // where the box is taken: orta, alt
    QTest::addColumn<QPoint>("kayma");   // columns and rows
    QTest::addColumn<bool>("esc");
    QTest::addColumn<QString>("bas");
    QTest::addColumn<QString>("bit");
    QTest::addColumn<int>("gun");
    QTest::newRow("two rows down") << "orta" << QPoint(0, 2) << false << "11:00:00" << "12:00:00" << 0;
    QTest::newRow("to the next day") << "orta" << QPoint(1, 0) << false << "10:00:00" << "11:00:00" << 1;
    QTest::newRow("lower edge one row down") << "alt" << QPoint(0, 1) << false << "10:00:00" << "11:30:00" << 0;
    QTest::newRow("Esc puts it back") << "orta" << QPoint(0, 2) << true << "10:00:00" << "11:00:00" << 0;
}

void TstTFAjanda::surukleme() {
    QFETCH(QString, tutma);
    QFETCH(QPoint, kayma);
    QFETCH(bool, esc);
    QFETCH(QString, bas);
    QFETCH(QString, bit);
    QFETCH(int, gun);
    AjandaOrtami o;
    auto s = satir("t", kPazartesi, "10:00:00", kPazartesi, "11:00:00", 2);
    s.alarmgun = kPazartesi;
    s.alarmsaat = 9;
    s.alarmdak = 45;
    o.ekle(s);
    AcikAjanda a;
    const QRect kutu = a->GunlukPlan->randevuAlanlari(QStringLiteral("t")).value(0);
    QVERIFY(!kutu.isEmpty());
    const QPoint tut = tutma == QLatin1String("alt") ? QPoint(kutu.center().x(), kutu.bottom() - 1)
                                                     : kutu.center();
    const QPoint adim(a->GunlukPlan->kolonGenisligi() * kayma.x(),
                      a->GunlukPlan->satirYuksekligi() * kayma.y());
    QTest::mousePress(a.izgara(), Qt::LeftButton, {}, tut);
    QTest::mouseMove(a.izgara(), tut + adim / 2);
    QTest::mouseMove(a.izgara(), tut + adim);
    if (esc) QTest::keyClick(a->GunlukPlan, Qt::Key_Escape);
    QTest::mouseRelease(a.izgara(), Qt::LeftButton, {}, tut + adim);
    QVERIFY(a.w);  // Esc during a drag does not close the window
    const auto sonra = o.oku(QStringLiteral("t"));
    QCOMPARE(sonra.bastar, kPazartesi.addDays(gun));
    QCOMPARE(sonra.bassaat, bas);
    QCOMPARE(sonra.bitsaat, bit);
    // The rest of the row is left as it was.
    QCOMPARE(sonra.aciklama, QStringLiteral("Randevu t"));
    QCOMPARE(sonra.alarmvar, 2);
    QCOMPARE(sonra.alarmsaat, 9);
    QCOMPARE(sonra.alarmdak, 45);
    const Randevu* r = a->PlanManager->Bul(QStringLiteral("t"));
    QCOMPARE(r->baslangic, QDateTime(kPazartesi.addDays(gun), QTime::fromString(bas)));
    QVERIFY(!r->degisti);
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

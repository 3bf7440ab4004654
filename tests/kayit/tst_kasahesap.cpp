#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "alanlar.h"
#include "kasatoplam.h"
#include "kayitortami.h"
#include "tfkasahar.h"
#include "yerlesim.h"
#include "zaman.h"

// The cash book's arithmetic and its pieces apart from the window: the amount
// field, the remembered carried balance and the layout rule.
namespace {

const QDate kGun1(2026, 4, 14);

void hareket(KayitOrtami& o, const QDate& gun, double giren, double cikan) {
    o.sql(QStringLiteral(
              "Insert Into Kasahar (Tarih, Saat, Giren, Cikan) Values (:p1, '10:00', :p2, :p3)"),
          {gun, giren, cikan});
}

}  // namespace

class TstKasaHesap : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Zaman::Serbest(); }

    void tutarAlani_data();
    void tutarAlani();
    void devirHafizasiAyniSonucuVerir();
    void yerlesimKurali_data();
    void yerlesimKurali();
};

void TstKasaHesap::tutarAlani_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<QString>("gorunen");
    QTest::addColumn<double>("deger");
    QTest::newRow("binlik") << "1234567"
                            << "1.234.567" << 1234567.0;
    QTest::newRow("üçüncü ondalık yazılmaz") << "12,345"
                                             << "12,34" << 12.34;
    QTest::newRow("nokta virgül olur") << "7.5"
                                       << "7,5" << 7.5;
    QTest::newRow("eksi") << "-1500,5"
                          << "-1.500,5" << -1500.5;
    QTest::newRow("harf yazılmaz") << "1a2"
                                   << "12" << 12.0;
}

void TstKasaHesap::tutarAlani() {
    QFETCH(QString, yazilan);
    QFETCH(QString, gorunen);
    QFETCH(double, deger);
    TutarAlani t;
    t.show();
    QTest::keyClicks(&t, yazilan);
    QCOMPARE(t.text(), gorunen);
    QCOMPARE(t.deger(), deger);
    QVERIFY(t.alignment() & Qt::AlignRight);
    t.setDeger(0);
    QVERIFY(t.text().isEmpty());
    t.setDeger(deger);
    QCOMPARE(t.text(), gorunen);
}

void TstKasaHesap::devirHafizasiAyniSonucuVerir() {
    KayitOrtami o;
    auto* r = QRandomGenerator::global();
    o.dm->DB_Zafo.Calistir(QStringLiteral("BEGIN"));
    for (int i = 0; i < 300; ++i) {
        const bool giren = r->bounded(2);
        const double tutar = r->bounded(100000) / 100.0;
        hareket(o, kGun1.addDays(r->bounded(-200, 200)), giren ? tutar : 0, giren ? 0 : tutar);
    }
    o.dm->DB_Zafo.Calistir(QStringLiteral("COMMIT"));
    // A row stored with a time of day still falls between its day and the next.
    o.sql(QStringLiteral(
        "Insert Into Kasahar (Tarih, Giren, Cikan) Values ('2026-04-20 13:30:00', 11, 0)"));
    KasaDevirHafizasi h;
    Sorgu ayri(Dm->DB_Zafo);
    QDate gun = kGun1;
    int kisa = 0;
    for (int adim = 0; adim < 120; ++adim) {
        const int secim = r->bounded(10);
        if (secim < 4)
            gun = gun.addDays(1);
        else if (secim < 8)
            gun = gun.addDays(-1);
        else if (secim == 8)
            gun = gun.addDays(r->bounded(-500, 500));
        else
            hareket(o, kGun1.addDays(r->bounded(-300, 300)), 1, 0);
        const KasaToplami t = h.Hesapla(o.q(), gun);
        kisa += h.sonHesapKisaydi();
        const KasaToplami b = KasaToplamlari(ayri, gun);
        QVERIFY2(qAbs(t.devir - b.devir) < 1e-6, qPrintable(gun.toString(Qt::ISODate)));
        QCOMPARE(t.gunGiren, b.gunGiren);
        QCOMPARE(t.gunCikan, b.gunCikan);
    }
    QVERIFY(kisa > 40);
    // A change since the last day makes it count afresh.
    h.Hesapla(o.q(), gun);
    hareket(o, gun.addDays(-3), 5, 0);
    h.Hesapla(o.q(), gun.addDays(1));
    QVERIFY(!h.sonHesapKisaydi());
}

void TstKasaHesap::yerlesimKurali_data() {
    QTest::addColumn<int>("dis");
    QTest::addColumn<QList<int>>("beklenen");
    QTest::newRow("780") << 780 << QList<int>{380, 390, 390, 540, 270, 420};
    QTest::newRow("tek genişlik") << 1001 << QList<int>{490, 500, 500, 650, 380, 530};
}

void TstKasaHesap::yerlesimKurali() {
    QFETCH(int, dis);
    QFETCH(QList<int>, beklenen);
    const KasaYerlesimi y = KasaYerlesimiHesapla(dis, 5);
    QCOMPARE(QList<int>({y.girenGenislik, y.cikanSol, y.lCikanSol, y.eCiktopSol, y.lKasatopSol,
                         y.eKasatoplamSol}),
             beklenen);
    KayitOrtami o;
    TFKasahar w;
    Zaman::Ayarla(QDateTime(kGun1, QTime(8, 30)));
    w.show();
    w.resize(dis, 400);
    // The window counts in its outer width, frame included.
    const KasaYerlesimi p = KasaYerlesimiHesapla(w.frameGeometry().width(), 5);
    QCOMPARE(w.GrGiren->width(), p.girenGenislik);
    QCOMPARE(w.GrCikan->width(), p.girenGenislik);
    QCOMPARE(w.GrCikan->x(), p.cikanSol);
    QCOMPARE(w.LCikan->x(), p.lCikanSol);
    QCOMPARE(w.ECiktop->x(), p.eCiktopSol);
    QCOMPARE(w.LKasatop->x(), p.lKasatopSol);
    QCOMPARE(w.EKasatoplam->x(), p.eKasatoplamSol);
    QVERIFY(w.BCikis->geometry().bottom() < w.height());
}

KAYIT_TEST_MAIN(TstKasaHesap)
#include "tst_kasahesap.moc"

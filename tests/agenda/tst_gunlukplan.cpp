// The day view widget on its own: boxes side by side, picking, hints, and
// resizing rows, columns and headers with the mouse.
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

#include "gunlukplan.h"
#include "planyoneticisi.h"

namespace {

const QDate kGun(2026, 12, 7);

Randevu randevu(const QString& kimlik, int gun, QTime bas, int bitGun, QTime bit) {
    Randevu r;
    r.kimlik = kimlik;
    r.baslangic = QDateTime(kGun.addDays(gun), bas);
    r.bitis = QDateTime(kGun.addDays(bitGun), bit);
    r.aciklama = QStringLiteral("Açıklama ") + kimlik;
    r.planlar = {QStringLiteral("Kovimaro")};
    return r;
}

struct Gorunum {
    Gorunum() {
        v.setYonetici(&y);
        v.setIlkGun(kGun);
        v.resize(900, 600);
        v.show();
        if (!QTest::qWaitForWindowExposed(&v)) qWarning("day view not exposed");
        v.ustSaatiAyarla(QTime(9, 0));
    }
    PlanYoneticisi y;
    GunlukPlanGorunumu v;
    QWidget* ic() { return v.viewport(); }
};

}  // namespace

class TstGunlukPlan : public QObject {
    Q_OBJECT

private slots:
    void yanYanaKutular();
    void cokGunluKutu();
    void tiklamaRandevuSecer();
    void secimIzgaraDisinaTasmaz();
    void gunSayisiDisindakiSecimDuser();
    void ipuclari();
    void boyutlandirma_data();
    void boyutlandirma();
    void satirUzunluguUstSaatiKorur();
};

void TstGunlukPlan::yanYanaKutular() {
    Gorunum g;
    QCOMPARE(g.y.Yerlestir(randevu("a", 0, QTime(10, 0), 0, QTime(11, 0))), QString());
    QCOMPARE(g.y.Yerlestir(randevu("b", 0, QTime(10, 30), 0, QTime(11, 30))), QString());
    QCOMPARE(g.y.Yerlestir(randevu("c", 1, QTime(10, 30), 1, QTime(11, 30))), QString());
    const QRect a = g.v.randevuAlanlari(QStringLiteral("a")).value(0);
    const QRect b = g.v.randevuAlanlari(QStringLiteral("b")).value(0);
    const QRect c = g.v.randevuAlanlari(QStringLiteral("c")).value(0);
    // Overlapping ones share their day's column; the one alone takes the whole column.
    QVERIFY(a.right() < b.left());
    QVERIFY(qAbs(a.width() - b.width()) <= 1);
    QVERIFY(c.width() > a.width() + b.width() - 4);
    // Each box spans its time: 10:00 to 11:00 is two rows at 30 minutes.
    QCOMPARE(a.top(), g.v.hucreAlani(0, 20).top());
    QVERIFY(qAbs(a.bottom() - g.v.hucreAlani(0, 21).bottom()) <= 1);
    QCOMPARE(b.top(), g.v.hucreAlani(0, 21).top());
}

void TstGunlukPlan::cokGunluKutu() {
    Gorunum g;
    QCOMPARE(g.y.Yerlestir(randevu("uzun", 1, QTime(14, 0), 3, QTime(9, 0))), QString());
    const auto alanlar = g.v.randevuAlanlari(QStringLiteral("uzun"));
    QCOMPARE(alanlar.size(), 3);
    // From its start on the first day, whole days between, up to its end on the last.
    QCOMPARE(alanlar[0].top(), g.v.hucreAlani(1, 28).top());
    QCOMPARE(alanlar[1].top(), g.v.hucreAlani(2, 0).top());
    QVERIFY(alanlar[1].bottom() >= g.v.hucreAlani(2, 47).bottom() - 1);
    QCOMPARE(alanlar[2].top(), g.v.hucreAlani(3, 0).top());
    QVERIFY(qAbs(alanlar[2].bottom() - g.v.hucreAlani(3, 17).bottom()) <= 1);
}

void TstGunlukPlan::tiklamaRandevuSecer() {
    Gorunum g;
    QCOMPARE(g.y.Yerlestir(randevu("a", 2, QTime(9, 30), 2, QTime(10, 30))), QString());
    const QRect kutu = g.v.randevuAlanlari(QStringLiteral("a")).value(0);
    QTest::mouseClick(g.ic(), Qt::LeftButton, {}, kutu.center());
    QCOMPARE(g.v.seciliRandevu(), QStringLiteral("a"));
    QVERIFY(g.v.gecerliSecimVar());
    QCOMPARE(g.v.ilkSeciliHucre().x(), 2);
    // An empty cell selects no appointment.
    QTest::mouseClick(g.ic(), Qt::LeftButton, {}, g.v.hucreAlani(4, 22).center());
    QCOMPARE(g.v.seciliRandevu(), QString());
    QCOMPARE(g.v.ilkSeciliHucre(), QPoint(4, 22));
    // Deleted from the manager, it is no longer selected.
    QTest::mouseClick(g.ic(), Qt::LeftButton, {}, kutu.center());
    g.y.Sil(QStringLiteral("a"));
    QCOMPARE(g.v.seciliRandevu(), QString());
    QVERIFY(g.v.randevuAlanlari(QStringLiteral("a")).isEmpty());
}

void TstGunlukPlan::secimIzgaraDisinaTasmaz() {
    Gorunum g;
    g.v.setGunSayisi(3);
    // Scrolled to the end of the day, below the grid lies past midnight.
    g.v.ustSaatiAyarla(QTime(23, 30));
    const int satir = g.v.ustSatir() + 1;
    const QPoint bas = g.v.hucreAlani(1, satir).center();
    const QPoint disari(g.ic()->width() - 2, g.ic()->height() + 40);
    QTest::mousePress(g.ic(), Qt::LeftButton, {}, bas);
    // Dragged past the last day and below the grid, the selection ends at the nearest cell.
    QTest::mouseMove(g.ic(), disari);
    QTest::mouseRelease(g.ic(), Qt::LeftButton, {}, disari);
    QVERIFY(g.v.gecerliSecimVar());
    QCOMPARE(g.v.ilkSeciliHucre(), QPoint(1, satir));
    QCOMPARE(g.v.sonSeciliHucre(), QPoint(2, g.v.satirSayisi() - 1));
}

void TstGunlukPlan::gunSayisiDisindakiSecimDuser() {
    Gorunum g;
    g.v.hucreSec(QPoint(5, 20), QPoint(6, 22));
    QVERIFY(g.v.gecerliSecimVar());
    g.v.setGunSayisi(3);
    QVERIFY(!g.v.gecerliSecimVar());
}

void TstGunlukPlan::ipuclari() {
    Gorunum g;
    QCOMPARE(g.y.Yerlestir(randevu("a", 0, QTime(10, 0), 0, QTime(11, 0))), QString());
    const QPoint p = g.v.randevuAlanlari(QStringLiteral("a")).value(0).center();
    QHelpEvent olay(QEvent::ToolTip, p, g.ic()->mapToGlobal(p));
    QApplication::sendEvent(g.ic(), &olay);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("Açıklama a")));
    QVERIFY(QToolTip::text().contains(QStringLiteral("07.12.2026 10:00 - 07.12.2026 11:00")));
    // Over the selected cells the hint gives the selected span.
    g.v.hucreSec(QPoint(1, 24), QPoint(1, 25));
    const QPoint h = g.v.hucreAlani(1, 25).center();
    QHelpEvent secim(QEvent::ToolTip, h, g.ic()->mapToGlobal(h));
    QApplication::sendEvent(g.ic(), &secim);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("08.12.2026 12:00 - 08.12.2026 13:00"));
}

void TstGunlukPlan::boyutlandirma_data() {
    QTest::addColumn<QString>("ne");
    QTest::addColumn<bool>("esc");
    QTest::newRow("column") << "kolon" << false;
    QTest::newRow("row") << "satir" << false;
    QTest::newRow("row header") << "sol" << false;
    QTest::newRow("column header") << "ust" << false;
    QTest::newRow("column, Esc") << "kolon" << true;
    QTest::newRow("row, Esc") << "satir" << true;
}

void TstGunlukPlan::boyutlandirma() {
    QFETCH(QString, ne);
    QFETCH(bool, esc);
    Gorunum g;
    g.v.setKolonGenisligi(100);
    struct Olcu {
        QPoint kenar;
        QPoint yon;
        std::function<int()> deger;
    };
    const QRect h = g.v.hucreAlani(0, 19);
    const int ust = GunlukPlanGorunumu::kGrupBasligiYuksekligi + g.v.kolonBasligiYuksekligi();
    const QMap<QString, Olcu> olculer{
        {"kolon",
         {QPoint(h.right() + 1, ust - 10), QPoint(30, 0), [&] { return g.v.kolonGenisligi(); }}},
        {"satir",
         {QPoint(10, h.bottom() + 1), QPoint(0, 12), [&] { return g.v.satirYuksekligi(); }}},
        {"sol",
         {QPoint(g.v.satirBasligiGenisligi(), h.center().y()), QPoint(20, 0),
          [&] { return g.v.satirBasligiGenisligi(); }}},
        {"ust", {QPoint(10, ust - 1), QPoint(0, 10), [&] { return g.v.kolonBasligiYuksekligi(); }}},
    };
    const Olcu o = olculer.value(ne);
    const int once = o.deger();
    QTest::mousePress(g.ic(), Qt::LeftButton, {}, o.kenar);
    QTest::mouseMove(g.ic(), o.kenar + o.yon);
    if (esc) QTest::keyClick(&g.v, Qt::Key_Escape);
    QTest::mouseRelease(g.ic(), Qt::LeftButton, {}, o.kenar + o.yon);
    QCOMPARE(o.deger(), esc ? once : once + o.yon.x() + o.yon.y());
}

void TstGunlukPlan::satirUzunluguUstSaatiKorur() {
    Gorunum g;
    g.v.ustSaatiAyarla(QTime(13, 0));
    g.v.setSatirDakika(1);
    QCOMPARE(g.v.satirBaslangici(g.v.ustSatir()), QTime(13, 0));
    g.v.setSatirDakika(15);
    QCOMPARE(g.v.satirBaslangici(g.v.ustSatir()), QTime(13, 0));
    // Any other length is refused.
    g.v.setSatirDakika(7);
    QCOMPARE(g.v.satirDakika(), 15);
    // At hour rows the whole day nearly fits: the view stops at the day's end.
    g.v.setSatirDakika(60);
    QCOMPARE(g.v.verticalScrollBar()->value(), g.v.verticalScrollBar()->maximum());
}

QTEST_MAIN(TstGunlukPlan)
#include "tst_gunlukplan.moc"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "bakimortami.h"
#include "tfhakkinda.h"
#include "tfyonetimpaneli.h"
#include "zafofonksiyon.h"

namespace {

const QString kPanel = QStringLiteral("Yönetim Paneli ...");

QString etiket(QWidget* w, const char* ad) {
    return w->findChild<QLabel*>(QLatin1String(ad))->text();
}

// Presses the key on the about box's "Çıkış" button; returns the titles of the
// windows it opened (each closed again at once).
QStringList bas(TFHakkinda& kutu, Qt::Key tus, Qt::KeyboardModifiers tuslar) {
    auto* cikis = kutu.findChild<QPushButton*>(QStringLiteral("BCikis"));
    return modalIcinde([&] { QTest::keyClick(cikis, tus, tuslar); },
                       [](QWidget* w) { w->close(); });
}

}  // namespace

class TstHakkinda : public QObject {
    Q_OBJECT

private slots:
    void hakkindaKutusu();
    void tusDizisi_data();
    void tusDizisi();
    void kurmaYenidenAcilistaSilinir();
    void escCikisDugmesidir();
    void panelDugmeleri();
    void paneldenVeritabani();
};

void TstHakkinda::hakkindaKutusu() {
    BakimOrtami o;
    TusTanimlari = QStringLiteral("Ü221;Ğ219;İ222;");
    TFHakkinda kutu;
    kutu.show();
    QCOMPARE(kutu.windowTitle(), QStringLiteral("Hakkında ..."));
    QCOMPARE(etiket(&kutu, "LSurum"), QStringLiteral("53"));
    QCOMPARE(etiket(&kutu, "Ltuslar"), TusTanimlari);
    QCOMPARE(etiket(&kutu, "Lprogram"), QCoreApplication::applicationFilePath());
    QCOMPARE(etiket(&kutu, "LTarih"), QStringLiteral("20/03/2012"));
    QVERIFY(!etiket(&kutu, "LWindows").isEmpty());
    QCOMPARE(etiket(&kutu, "LWindowsBaslik"), TFHakkinda::SistemAdi());
    QVERIFY(!kutu.findChild<QGroupBox*>(QStringLiteral("Grdegisiklik"))->isVisible());
    QVERIFY(kutu.findChild<QGroupBox*>(QStringLiteral("Grsirket"))->isVisible());
    QCOMPARE(kutu.focusWidget(), kutu.findChild<QPushButton*>(QStringLiteral("BCikis")));
    QVERIFY(kutu.width() >= 516 && kutu.height() >= 322);
}

void TstHakkinda::tusDizisi_data() {
    QTest::addColumn<bool>("kurAltF7");  // Shift+F7 held with Alt as well
    QTest::newRow("Shift+F7") << false;
    QTest::newRow("Shift+Alt+F7") << true;
}

void TstHakkinda::tusDizisi() {
    QFETCH(bool, kurAltF7);
    BakimOrtami o;
    TFHakkinda kutu;
    kutu.show();
    QVERIFY(bas(kutu, Qt::Key_F6, Qt::ControlModifier).isEmpty());
    QVERIFY(bas(kutu, Qt::Key_F7, Qt::NoModifier).isEmpty());
    QVERIFY(!kutu.kurulu());
    QVERIFY(bas(kutu, Qt::Key_F6, Qt::ControlModifier).isEmpty());

    const Qt::KeyboardModifiers kur =
        kurAltF7 ? Qt::ShiftModifier | Qt::AltModifier : Qt::ShiftModifier;
    QVERIFY(bas(kutu, Qt::Key_F7, kur).isEmpty());
    QVERIFY(kutu.kurulu());
    QVERIFY(bas(kutu, Qt::Key_F6, Qt::NoModifier).isEmpty());
    QCOMPARE(bas(kutu, Qt::Key_F6, Qt::ControlModifier), QStringList{kPanel});
    // Still armed: the panel opens again without a new Shift+F7.
    QCOMPARE(bas(kutu, Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier), QStringList{kPanel});
    QVERIFY(kutu.isVisible());
}

void TstHakkinda::kurmaYenidenAcilistaSilinir() {
    BakimOrtami o;
    TFHakkinda kutu;
    kutu.show();
    QVERIFY(bas(kutu, Qt::Key_F7, Qt::ShiftModifier).isEmpty());
    QVERIFY(kutu.kurulu());
    kutu.hide();
    kutu.show();
    QVERIFY(!kutu.kurulu());
    QVERIFY(bas(kutu, Qt::Key_F6, Qt::ControlModifier).isEmpty());
}

void TstHakkinda::escCikisDugmesidir() {
    BakimOrtami o;
    TFHakkinda kutu;
    kutu.show();
    QTest::keyClick(kutu.findChild<QPushButton*>(QStringLiteral("BCikis")), Qt::Key_Escape);
    QVERIFY(!kutu.isVisible());
    QCOMPARE(kutu.result(), -1);
}

void TstHakkinda::panelDugmeleri() {
    BakimOrtami o;
    TFYonetimpaneli panel;
    panel.show();
    QCOMPARE(etiket(&panel, "LFtptest"), QStringLiteral("Yapılmadı"));
    QCOMPARE(etiket(&panel, "LMtest"), QStringLiteral("Yapılmadı"));
    panel.findChild<QPushButton*>(QStringLiteral("BTest"))->click();
    QCOMPARE(etiket(&panel, "LFtptest"), QStringLiteral("Yapılıyor. Bekleyiniz ..."));
    QCOMPARE(etiket(&panel, "LMtest"), QStringLiteral("Yapılmadı"));
    panel.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(panel.result(), 1);
    QVERIFY(!panel.isVisible());

    panel.show();
    QCOMPARE(etiket(&panel, "LFtptest"), QStringLiteral("Yapılmadı"));
    QTest::keyClick(&panel, Qt::Key_Escape);
    QCOMPARE(panel.result(), -1);
    QVERIFY(!panel.isVisible());
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
}

void TstHakkinda::paneldenVeritabani() {
    BakimOrtami o;
    TFYonetimpaneli panel;
    panel.show();
    auto* dugme = panel.findChild<QPushButton*>(QStringLiteral("BVeritabani"));
    const QStringList acilan = modalIcinde([&] { dugme->click(); }, [](QWidget* w) { w->close(); });
    QCOMPARE(acilan, QStringList{QStringLiteral("Veritabani ...")});
    QVERIFY(panel.isVisible());
}

QTEST_MAIN(TstHakkinda)
#include "tst_hakkinda.moc"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "mesaj.h"
#include "tfzafomesaj.h"

namespace {

// Runs `adim` on the dialog as soon as it is up, then returns the dialog's answer.
template <typename F>
int dialogla(int (*ac)(), F adim) {
    QTimer::singleShot(0, [adim] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        adim(d);
    });
    return ac();
}

struct Durum {
    QString baslik;
    int gorunenSekme = -1;
    QString odak;
};

Durum durum(QDialog* d) {
    Durum s;
    s.baslik = d->windowTitle();
    auto* sayfalar = d->findChild<QTabWidget*>(QStringLiteral("Sayfalar"));
    if (sayfalar)
        for (int i = 0; i < sayfalar->count(); ++i)
            if (sayfalar->isTabVisible(i)) s.gorunenSekme = i;
    if (QWidget* f = d->focusWidget()) s.odak = f->objectName();
    return s;
}

Durum sonDurum;

}  // namespace

class TstMesaj : public QObject {
    Q_OBJECT

private slots:
    void uyariEnterIleKapanir();
    void soruVarsayilanDugme();
    void soruEscIptal();
    void hataEscIleKapanmaz();
    void metinOdakliHataEnterIleKapanmaz();
    void silmeOnayiEnterHayir();
    void silmeOnayiEvet();
    void testKapisiCevaplar();
};

void TstMesaj::uyariEnterIleKapanir() {
    const int cevap = dialogla(
        [] {
            return MesajGoster(QStringLiteral("Uyarı metni"), 2, true, true, true, QString(),
                               QString(), QString(), 0, 1);
        },
        [](QDialog* d) {
            sonDurum = durum(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
    QCOMPARE(cevap, 1);
    QCOMPARE(sonDurum.baslik, QStringLiteral("Mesaj Ekranı (0) ..."));
    QCOMPARE(sonDurum.gorunenSekme, 1);
    QCOMPARE(sonDurum.odak, QStringLiteral("BUyari"));
}

void TstMesaj::soruVarsayilanDugme() {
    const int cevap = dialogla(
        [] {
            return MesajGoster(QStringLiteral("Soru?"), 3, true, true, true, QStringLiteral("Evet"),
                               QStringLiteral("Hayır"), QStringLiteral("İptal"), 7, 2);
        },
        [](QDialog* d) {
            sonDurum = durum(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
    QCOMPARE(cevap, 2);
    QCOMPARE(sonDurum.odak, QStringLiteral("BOnay2"));
    QCOMPARE(sonDurum.gorunenSekme, 2);
    QCOMPARE(sonDurum.baslik, QStringLiteral("Mesaj Ekranı (7) ..."));
}

void TstMesaj::soruEscIptal() {
    const int cevap = dialogla(
        [] {
            return MesajGoster(QStringLiteral("Soru?"), 3, true, true, true, QStringLiteral("A"),
                               QStringLiteral("B"), QStringLiteral("C"), 0, 1);
        },
        [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); });
    QCOMPARE(cevap, 3);
}

void TstMesaj::hataEscIleKapanmaz() {
    const int cevap = dialogla(
        [] {
            return MesajGoster(QStringLiteral("Hata"), 1, true, true, true, QString(), QString(),
                               QString(), 1, 1);
        },
        [](QDialog* d) {
            QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
            QVERIFY(d->isVisible());
            sonDurum = durum(d);
            d->findChild<QPushButton*>(QStringLiteral("BHata"))->click();
        });
    QCOMPARE(cevap, 1);
    QCOMPARE(sonDurum.gorunenSekme, 0);
}

void TstMesaj::metinOdakliHataEnterIleKapanmaz() {
    const int cevap = dialogla(
        [] {
            return MesajGoster(QStringLiteral("Uzun hata"), 4, true, true, true, QString(),
                               QString(), QString(), 0, 1);
        },
        [](QDialog* d) {
            sonDurum = durum(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            QVERIFY(d->isVisible());
            d->close();  // through the window system
        });
    QCOMPARE(sonDurum.odak, QStringLiteral("HataMesaj"));
    QCOMPARE(cevap, 2);
}

void TstMesaj::silmeOnayiEnterHayir() {
    const int cevap = dialogla([] { return SilonayGoster(); },
                               [](QDialog* d) {
                                   sonDurum = durum(d);
                                   QTest::keyClick(d->focusWidget(), Qt::Key_Return);
                               });
    QCOMPARE(cevap, -1);
    QCOMPARE(sonDurum.odak, QStringLiteral("Biptal"));
    QCOMPARE(sonDurum.baslik, QStringLiteral("Lüfen Onaylayınız ..."));
}

void TstMesaj::silmeOnayiEvet() {
    const int cevap =
        dialogla([] { return SilonayGoster(); },
                 [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("BSil"))->click(); });
    QCOMPARE(cevap, 1);
}

void TstMesaj::testKapisiCevaplar() {
    MesajTest::Etkinlestir();
    MesajTest::Temizle();
    MesajTest::CevapEkle(3);
    QCOMPARE(MesajGoster(QStringLiteral("S"), 3, true, true, true, QString(), QString(), QString(),
                         0, 2),
             3);
    QCOMPARE(MesajGoster(QStringLiteral("S"), 3, true, true, true, QString(), QString(), QString(),
                         0, 2),
             2);
    QCOMPARE(SilonayGoster(), -1);
    UyariGoster(QStringLiteral("U"), 10001);
    QCOMPARE(MesajTest::Gosterilenler().size(), 4);
    QCOMPARE(MesajTest::Gosterilenler().last().numara, 10001);
    QCOMPARE(MesajTest::Gosterilenler().last().tur, int(MesajTest::Uyari));
    MesajTest::Etkinlestir(false);
}

QTEST_MAIN(TstMesaj)
#include "tst_mesaj.moc"

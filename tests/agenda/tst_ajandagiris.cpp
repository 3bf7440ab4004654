// The appointment entry window on its own: tidying the alarm time, the
// minutes box, the description's width and the window's answers.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include "ajandatest.h"
#include "alanlar.h"
#include "mesaj.h"
#include "tfajandanew.h"
#include "uyarisaati.h"

class TstAjandaGiris : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void uyariSaati_data();
    void uyariSaati();
    void sayiOlmayanSaatPencereyiAcikTutar();
    void kaydetVeCikisSonucu();
    void dakikaKutusuBitisiTasir_data();
    void dakikaKutusuBitisiTasir();
    void aciklama150Karakter();
    void sekmeSirasi();
};

void TstAjandaGiris::init() {
    MesajTest::Etkinlestir(true);
    MesajTest::Temizle();
}

void TstAjandaGiris::cleanup() {
    MesajTest::Temizle();
}

void TstAjandaGiris::uyariSaati_data() {
    QTest::addColumn<QString>("saat");
    QTest::addColumn<QString>("dakika");
    QTest::addColumn<bool>("tamam");
    QTest::addColumn<QString>("sonSaat");
    QTest::addColumn<QString>("sonDakika");
    QTest::newRow("one digit gets its zero") << "7"
                                             << "5" << true << "07"
                                             << "05";
    QTest::newRow("hour above 23") << "99"
                                   << "30" << true << "23"
                                   << "30";
    QTest::newRow("minute above 59") << "10"
                                     << "75" << true << "10"
                                     << "59";
    QTest::newRow("both too high") << "24"
                                   << "60" << true << "23"
                                   << "59";
    QTest::newRow("empty boxes") << ""
                                 << "" << true << "00"
                                 << "00";
    QTest::newRow("already tidy") << "23"
                                  << "59" << true << "23"
                                  << "59";
    QTest::newRow("hour not a number") << "x"
                                       << "5" << false << "x"
                                       << "5";
    QTest::newRow("minute not a number") << "7"
                                         << "x" << false << "7"
                                         << "x";
    QTest::newRow("negative hour") << "-5"
                                   << "00" << false << "-5"
                                   << "00";
    QTest::newRow("spaces around a digit") << " 7"
                                           << "5 " << true << "07"
                                           << "05";
}

void TstAjandaGiris::uyariSaati() {
    QFETCH(QString, saat);
    QFETCH(QString, dakika);
    QFETCH(bool, tamam);
    QFETCH(QString, sonSaat);
    QFETCH(QString, sonDakika);
    QString s = saat, d = dakika;
    const QString hata = UyariSaatiDuzenle(s, d);
    QCOMPARE(hata.isEmpty(), tamam);
    // A refused box leaves both boxes exactly as typed.
    QCOMPARE(s, sonSaat);
    QCOMPARE(d, sonDakika);
}

void TstAjandaGiris::sayiOlmayanSaatPencereyiAcikTutar() {
    TFAjandanew p;
    int sonuc = 0;
    ModalSurucu surucu(
        {[&](QDialog* d) {
             d->findChild<QLineEdit*>(QStringLiteral("EUyarisaat"))->setText(QStringLiteral("1x"));
             d->findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
         },
         [&](QDialog* d) {
             // Still open, with what the user typed.
             QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("EUyarisaat"))->text(),
                      QStringLiteral("1x"));
             d->findChild<QLineEdit*>(QStringLiteral("EUyarisaat"))->setText(QStringLiteral("9"));
             d->findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
         }});
    p.EUyarisaat->setText(QStringLiteral("10"));
    p.EUyaridak->setText(QStringLiteral("5"));
    sonuc = p.exec();
    QCOMPARE(sonuc, 1);
    QCOMPARE(surucu.kalan(), 0);
    const QStringList hatalar = AjandaOrtami::mesajlar(-1);
    QCOMPARE(hatalar.size(), 1);
    QVERIFY(hatalar[0].contains(QStringLiteral("\"1x\"")));
    QCOMPARE(p.EUyarisaat->text(), QStringLiteral("09"));
    QCOMPARE(p.EUyaridak->text(), QStringLiteral("05"));
}

void TstAjandaGiris::kaydetVeCikisSonucu() {
    TFAjandanew p;
    {
        ModalSurucu cikis(
            {[](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("BCikis"))->click(); }});
        QCOMPARE(p.exec(), -1);
    }
    {
        ModalSurucu kaydet(
            {[](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("BKaydet"))->click(); }});
        QCOMPARE(p.exec(), 1);
    }
    // Shown once, the window tidies the empty alarm boxes.
    QCOMPARE(p.EUyarisaat->text(), QStringLiteral("00"));
    QCOMPARE(p.EUyaridak->text(), QStringLiteral("00"));
}

void TstAjandaGiris::dakikaKutusuBitisiTasir_data() {
    QTest::addColumn<QTime>("baslangic");
    QTest::addColumn<int>("dakika");
    QTest::addColumn<QDate>("bitisGunu");
    QTest::addColumn<QTime>("bitis");
    const QDate g(2026, 12, 9);
    QTest::newRow("within the day") << QTime(10, 0) << 90 << g << QTime(11, 30);
    QTest::newRow("past midnight moves the day")
        << QTime(23, 50) << 30 << g.addDays(1) << QTime(0, 20);
    QTest::newRow("seconds kept") << QTime(14, 5, 30) << 1 << g << QTime(14, 6, 30);
    QTest::newRow("two days") << QTime(8, 0) << 2880 << g.addDays(2) << QTime(8, 0);
}

void TstAjandaGiris::dakikaKutusuBitisiTasir() {
    QFETCH(QTime, baslangic);
    QFETCH(int, dakika);
    QFETCH(QDate, bitisGunu);
    QFETCH(QTime, bitis);
    TFAjandanew p;
    p.EBastar->setTarih(QDate(2026, 12, 9));
    p.EBassaat->setTime(baslangic);
    p.EBittar->setTarih(QDate(2026, 12, 9));
    p.EBitsaat->setTime(QTime(12, 0));
    QCOMPARE(p.EDakika->value(), 25);
    p.EDakika->setValue(dakika);
    QCOMPARE(p.EBittar->tarih(), bitisGunu);
    QCOMPARE(p.EBitsaat->time(), bitis);
}

void TstAjandaGiris::aciklama150Karakter() {
    TFAjandanew p;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.EAciklama->setFocus();
    QTest::keyClicks(p.EAciklama, QString(160, QLatin1Char('a')));
    QCOMPARE(p.aciklama().size(), TFAjandanew::kAciklamaUzunlugu);

    // Pasting into the middle drops the end of what was pasted, not the old text.
    p.EAciklama->setPlainText(QStringLiteral("Başı") + QString(140, QLatin1Char('.')) +
                              QStringLiteral("Sonu"));
    QCOMPARE(p.aciklama().size(), 148);
    QTextCursor imlec = p.EAciklama->textCursor();
    imlec.setPosition(4);
    p.EAciklama->setTextCursor(imlec);
    p.EAciklama->insertPlainText(QStringLiteral("ABCDEF"));
    QCOMPARE(p.aciklama().size(), 150);
    QVERIFY(p.aciklama().startsWith(QStringLiteral("BaşıAB.")));
    QVERIFY(p.aciklama().endsWith(QStringLiteral("Sonu")));
}

void TstAjandaGiris::sekmeSirasi() {
    TFAjandanew p;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    const QStringList beklenen{"EBastar",    "EBassaat",  "EDakika", "EBittar",
                               "EBitsaat",   "EAciklama", "EUyari",  "EUyarigun",
                               "EUyarisaat", "EUyaridak", "BKaydet", "BCikis"};
    QWidget* w = p.EBastar;
    for (int i = 1; i < beklenen.size(); ++i) {
        w = w->nextInFocusChain();
        // Inner pieces of a field (the date field's calendar button, a spin
        // box's line edit) take no focus of their own.
        while (w->focusPolicy() == Qt::NoFocus || w->focusProxy() || w->objectName().isEmpty() ||
               w->objectName().startsWith(QLatin1String("qt_")))
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), beklenen[i]);
    }
}

QTEST_MAIN(TstAjandaGiris)
#include "tst_ajandagiris.moc"

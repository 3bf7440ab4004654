// The minute alarm check and the alarm window, driven by the pinned clock.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ajandatest.h"
#include "alanlar.h"
#include "alarm.h"
#include "mesaj.h"
#include "tfajandaalarm.h"
#include "zaman.h"

namespace {

const QDate kBugun(2026, 12, 11);

AjandaOrtami::Satir alarmSatiri(const QString& ajid, const QDate& gun, int saat, int dakika,
                                int alarmvar = 2) {
    AjandaOrtami::Satir s;
    s.ajid = ajid;
    s.bastar = s.bittar = kBugun;
    s.bassaat = QStringLiteral("10:30:00");
    s.bitsaat = QStringLiteral("11:00:00");
    s.aciklama = QStringLiteral("Toplantı ") + ajid;
    s.alarmvar = alarmvar;
    s.alarmgun = gun;
    s.alarmsaat = saat;
    s.alarmdak = dakika;
    return s;
}

// What one alarm window showed when it came up.
struct Gorunen {
    QString mesaj;
    QDate gun;
    QString saat;
    QString dakika;
    bool yenidenUyar;
    TFAjandaalarm* pencere;
};

ModalSurucu::Adim kaydet(QList<Gorunen>* gorunenler,
                         std::function<void(TFAjandaalarm*)> once = {}) {
    return [=](QDialog* d) {
        auto* p = qobject_cast<TFAjandaalarm*>(d);
        QVERIFY(p);
        gorunenler->append({p->EMesaj->toPlainText(), p->EUyarigun->tarih(), p->EUyarisaat->text(),
                            p->EUyaridak->text(), p->EUyari->isChecked(), p});
        if (once) once(p);
        p->BCikis->click();
    };
}

}  // namespace

class TstAlarm : public QObject {
    Q_OBJECT

private slots:
    void kural_data();
    void kural();
    void cikis_data();
    void cikis();
    void ikiAlarmBirPenceredeSirayla();
    void sayiOlmayanSaatPencereyiAcikTutar();
    void escVeKapatmaKutusu();
    void kayitHatasiBildirilir();
    void sorguHatasiSessizBiter();
    void pencereHerSeyinUstunde();
};

void TstAlarm::kural_data() {
    QTest::addColumn<QTime>("saat");
    QTest::addColumn<int>("gunFarki");
    QTest::addColumn<int>("alarmSaati");
    QTest::addColumn<int>("alarmDakikasi");
    QTest::addColumn<int>("alarmvar");
    QTest::addColumn<bool>("gosterildi");
    QTest::newRow("10:15 at 10:15:40") << QTime(10, 15, 40) << 0 << 10 << 15 << 2 << true;
    QTest::newRow("10:15 at 10:16:20, the minute before")
        << QTime(10, 16, 20) << 0 << 10 << 15 << 2 << true;
    QTest::newRow("10:15 at 10:17:00") << QTime(10, 17) << 0 << 10 << 15 << 2 << false;
    QTest::newRow("10:15 at 10:14:59") << QTime(10, 14, 59) << 0 << 10 << 15 << 2 << false;
    QTest::newRow("10:59 at 10:59:30") << QTime(10, 59, 30) << 0 << 10 << 59 << 2 << true;
    QTest::newRow("10:59 not at 11:00") << QTime(11, 0) << 0 << 10 << 59 << 2 << false;
    QTest::newRow("23:59 yesterday not at midnight")
        << QTime(0, 0, 30) << -1 << 23 << 59 << 2 << false;
    QTest::newRow("10:15 tomorrow") << QTime(10, 15) << 1 << 10 << 15 << 2 << false;
    QTest::newRow("00:00 at 00:00:10") << QTime(0, 0, 10) << 0 << 0 << 0 << 2 << true;
    QTest::newRow("the day, hour and minute decide, not Alarmvar")
        << QTime(10, 15) << 0 << 10 << 15 << 1 << true;
}

void TstAlarm::kural() {
    QFETCH(QTime, saat);
    QFETCH(int, gunFarki);
    QFETCH(int, alarmSaati);
    QFETCH(int, alarmDakikasi);
    QFETCH(int, alarmvar);
    QFETCH(bool, gosterildi);
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun.addDays(gunFarki), alarmSaati, alarmDakikasi, alarmvar));
    // A dismissed alarm is never shown, whenever the check runs.
    o.ekle(alarmSatiri("kapali", Zaman::SifirTarih(), 0, 0, 1));
    Zaman::Ayarla(QDateTime(kBugun, saat));
    QList<Gorunen> gorunenler;
    ModalSurucu surucu({kaydet(&gorunenler)});
    AlarmKontrol();
    QCOMPARE(gorunenler.size(), gosterildi ? 1 : 0);
    QCOMPARE(surucu.beklenmeyen(), 0);
    if (!gosterildi) return;
    // Prefilled with today and the minute of the check, not the row's own alarm.
    QCOMPARE(gorunenler[0].mesaj, QStringLiteral("Toplantı a"));
    QCOMPARE(gorunenler[0].gun, kBugun);
    QCOMPARE(gorunenler[0].saat, saat.toString(QStringLiteral("HH")));
    QCOMPARE(gorunenler[0].dakika, saat.toString(QStringLiteral("mm")));
    QVERIFY(!gorunenler[0].yenidenUyar);
    // The check leaves the data module's statement closed.
    QVERIFY(!Dm->Q_Temp.Active());
}

void TstAlarm::cikis_data() {
    QTest::addColumn<bool>("yenidenUyar");
    QTest::addColumn<QString>("saat");
    QTest::addColumn<QString>("dakika");
    QTest::addColumn<qint64>("alarmvar");
    QTest::addColumn<QDate>("alarmgun");
    QTest::addColumn<qint64>("alarmsaat");
    QTest::addColumn<qint64>("alarmdak");
    QTest::newRow("Yeniden Uyar clear")
        << false << "9"
        << "5" << qint64(1) << Zaman::SifirTarih() << qint64(0) << qint64(0);
    QTest::newRow("Yeniden Uyar at 9:5")
        << true << "9"
        << "5" << qint64(2) << kBugun.addDays(1) << qint64(9) << qint64(5);
    QTest::newRow("Yeniden Uyar, hour and minute too high")
        << true << "31"
        << "77" << qint64(2) << kBugun.addDays(1) << qint64(23) << qint64(59);
}

void TstAlarm::cikis() {
    QFETCH(bool, yenidenUyar);
    QFETCH(QString, saat);
    QFETCH(QString, dakika);
    QFETCH(qint64, alarmvar);
    QFETCH(QDate, alarmgun);
    QFETCH(qint64, alarmsaat);
    QFETCH(qint64, alarmdak);
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15, 40)));
    QList<Gorunen> gorunenler;
    QString sonSaat, sonDakika;
    ModalSurucu surucu({kaydet(&gorunenler, [&](TFAjandaalarm* p) {
        p->EMesaj->setPlainText(QStringLiteral("Toplantı ertelendi"));
        p->EUyari->setChecked(yenidenUyar);
        p->EUyarigun->setTarih(kBugun.addDays(1));
        p->EUyarisaat->setText(saat);
        p->EUyaridak->setText(dakika);
    })});
    AlarmKontrol();
    QCOMPARE(gorunenler.size(), 1);
    const auto s = o.oku(QStringLiteral("a"));
    QCOMPARE(s.aciklama, QStringLiteral("Toplantı ertelendi"));
    QCOMPARE(s.alarmvar, alarmvar);
    QCOMPARE(s.alarmgun, alarmgun);
    QCOMPARE(s.alarmsaat, alarmsaat);
    QCOMPARE(s.alarmdak, alarmdak);
    // The appointment itself is not touched.
    QCOMPARE(s.bassaat, QStringLiteral("10:30:00"));
    // A dismissed alarm is not shown by the next check of the same minute.
    Zaman::Ilerlet(15);
    AlarmKontrol();
    QCOMPARE(gorunenler.size(), 1);
    QCOMPARE(surucu.beklenmeyen(), 0);
}

void TstAlarm::ikiAlarmBirPenceredeSirayla() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("bir", kBugun, 10, 15));
    o.ekle(alarmSatiri("iki", kBugun, 10, 15));
    o.ekle(alarmSatiri("baska", kBugun, 10, 20));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15, 5)));
    QList<Gorunen> gorunenler;
    ModalSurucu surucu({kaydet(&gorunenler,
                               [](TFAjandaalarm* p) {
                                   p->EUyari->setChecked(true);
                                   p->EUyarisaat->setText(QStringLiteral("11"));
                               }),
                        kaydet(&gorunenler)});
    AlarmKontrol();
    QCOMPARE(gorunenler.size(), 2);
    QCOMPARE(gorunenler[0].pencere, gorunenler[1].pencere);
    QCOMPARE(gorunenler[0].mesaj, QStringLiteral("Toplantı bir"));
    QCOMPARE(gorunenler[1].mesaj, QStringLiteral("Toplantı iki"));
    // The boxes are filled again for the second one; the tick stays.
    QCOMPARE(gorunenler[1].saat, QStringLiteral("10"));
    QCOMPARE(gorunenler[1].dakika, QStringLiteral("15"));
    QVERIFY(gorunenler[1].yenidenUyar);
    QCOMPARE(o.oku(QStringLiteral("bir")).alarmsaat, 11);
    QCOMPARE(o.oku(QStringLiteral("iki")).alarmvar, 2);
    QCOMPARE(o.oku(QStringLiteral("iki")).alarmsaat, 10);
    QCOMPARE(o.oku(QStringLiteral("iki")).alarmdak, 15);
    QCOMPARE(o.oku(QStringLiteral("baska")).alarmdak, 20);
    QCOMPARE(surucu.beklenmeyen(), 0);
}

void TstAlarm::sayiOlmayanSaatPencereyiAcikTutar() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15)));
    ModalSurucu surucu({[](QDialog* d) {
                            auto* p = qobject_cast<TFAjandaalarm*>(d);
                            p->EUyari->setChecked(true);
                            p->EUyaridak->setText(QStringLiteral("b"));
                            p->BCikis->click();
                        },
                        [&](QDialog* d) {
                            auto* p = qobject_cast<TFAjandaalarm*>(d);
                            QCOMPARE(p->EUyaridak->text(), QStringLiteral("b"));
                            QCOMPARE(o.oku(QStringLiteral("a")).alarmvar, 2);
                            p->EUyaridak->setText(QStringLiteral("45"));
                            p->BCikis->click();
                        }});
    AlarmKontrol();
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(AjandaOrtami::mesajlar(-1).size(), 1);
    QCOMPARE(o.oku(QStringLiteral("a")).alarmdak, 45);
}

void TstAlarm::escVeKapatmaKutusu() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15)));
    ModalSurucu surucu({[](QDialog* d) {
                            auto* p = qobject_cast<TFAjandaalarm*>(d);
                            p->EMesaj->setPlainText(QStringLiteral("yazılmamalı"));
                            QTest::keyClick(p, Qt::Key_Escape);
                        },
                        [](QDialog* d) {
                            // Esc did nothing; the close box ends it without storing.
                            d->close();
                        }});
    AlarmKontrol();
    QCOMPARE(surucu.kalan(), 0);
    const auto s = o.oku(QStringLiteral("a"));
    QCOMPARE(s.aciklama, QStringLiteral("Toplantı a"));
    QCOMPARE(s.alarmvar, 2);
    QCOMPARE(s.alarmdak, 15);
}

void TstAlarm::kayitHatasiBildirilir() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15)));
    bool kapandi = false;
    ModalSurucu surucu({[&](QDialog* d) {
        // The row cannot be written any more.
        o.sql(QStringLiteral("Drop Table Ajanda"));
        connect(d, &QDialog::finished, d, [&](int sonuc) { kapandi = sonuc == -1; });
        qobject_cast<TFAjandaalarm*>(d)->BCikis->click();
    }});
    AlarmKontrol();
    QVERIFY(kapandi);
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Duz),
             QStringList{QStringLiteral("Kayıt yapılırken bir hata oluştu !..")});
}

void TstAlarm::sorguHatasiSessizBiter() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15)));
    // The tray closes the connection between checks: the check opens it itself.
    Dm->DB_Zafo.Close();
    {
        QList<Gorunen> gorunenler;
        ModalSurucu surucu({kaydet(&gorunenler)});
        AlarmKontrol();
        QCOMPARE(gorunenler.size(), 1);
    }
    o.sql(QStringLiteral("Drop Table Ajanda"));
    ModalSurucu surucu({});
    AlarmKontrol();
    QCOMPARE(surucu.beklenmeyen(), 0);
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
}

void TstAlarm::pencereHerSeyinUstunde() {
    AjandaOrtami o;
    o.ekle(alarmSatiri("a", kBugun, 10, 15));
    Zaman::Ayarla(QDateTime(kBugun, QTime(10, 15)));
    bool ustte = false, etkin = false;
    QString baslik;
    ModalSurucu surucu({[&](QDialog* d) {
        ustte = d->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        baslik = d->windowTitle();
        etkin = QTest::qWaitForWindowActive(d, 1000);
        qobject_cast<TFAjandaalarm*>(d)->BCikis->click();
    }});
    AlarmKontrol();
    QVERIFY(ustte);
    QVERIFY(etkin);
    QCOMPARE(baslik, QStringLiteral("Dikkat ! ..."));
}

QTEST_MAIN(TstAlarm)
#include "tst_alarm.moc"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "alanlar.h"
#include "kasatoplam.h"
#include "kayitortami.h"
#include "sorgumodeli.h"
#include "tfkasahar.h"
#include "tfkasaharnew.h"
#include "turkce.h"
#include "yerlesim.h"
#include "zaman.h"

namespace {

const QDate kGun1(2026, 4, 14);

void hareket(KayitOrtami& o, const QDate& gun, double giren, double cikan,
             const QString& aciklama = QString()) {
    o.sql(QStringLiteral("Insert Into Kasahar (Tarih, Saat, Giren, Cikan, Aciklama) Values (:p1, "
                         "'10:00', :p2, :p3, :p4)"),
          {gun, giren, cikan, aciklama});
}

// The four values as the window shows them.
QStringList etiketler(const TFKasahar& w) {
    return {w.EDevirtop->text(), w.EGirtop->text(), w.ECiktop->text(), w.EKasatoplam->text()};
}

QStringList aciklamalar(SorguIzgara* g) {
    QStringList l;
    for (int r = 0; r < g->modeli()->rowCount(); ++r) l << g->modeli()->hucreMetni(r, 3);
    return l;
}

// The description of the row the grid's cursor stands on.
QString guncel(SorguIzgara* g) {
    Sorgu& q = g->sorgu();
    if (q.RecordCount() == 0 || g->currentIndex().row() != q.RecNo())
        return QStringLiteral("<yok>");
    return q.fieldText(QStringLiteral("Aciklama"));
}

void ac(TFKasahar& w, const QDate& bugun) {
    Zaman::Ayarla(QDateTime(bugun, QTime(8, 30)));
    w.show();
}

}  // namespace

class TstKasa : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(Yerlesim::DosyaYolu(QStringLiteral("Kovimaro"))); }
    void cleanup() { Zaman::Serbest(); }

    void bosKasa();
    void gunGunToplamlar_data();
    void gunGunToplamlar();
    void sifirTarihVeBaskaGunler();
    void oncekiGunAyBasindan();
    void bicimler_data();
    void bicimler();
    void yeniGelirSonSatirdaOdakta();
    void eksiGirenToplamiDusurur();
    void gelirGidereDonusur();
    void dogrulama_data();
    void dogrulama();
    void tarihAlanindaTuslar();
    void cikistaToplamlarYenilenir();
    void silme();
    void kayitHatasiGirileniKorur();
    void aciklamaSiniri();
    void ikiIzgaraninSutunlariSaklanir();
};

void TstKasa::bosKasa() {
    KayitOrtami o;
    TFKasahar w;
    ac(w, kGun1);
    QCOMPARE(w.windowTitle(), QStringLiteral("Kasa Hareketleri ..."));
    QCOMPARE(w.ETarih->text(), QStringLiteral("14.04.2026"));
    QVERIFY(w.DbGiren->bos());
    QVERIFY(w.DbCikan->bos());
    QCOMPARE(etiketler(w), QStringList({"0,00", "0,00", "0,00", "0,00"}));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.DbGiren));
}

void TstKasa::gunGunToplamlar_data() {
    QTest::addColumn<int>("gun");
    QTest::addColumn<QStringList>("beklenen");
    QTest::newRow("1. gün") << 1 << QStringList({"0,00", "100,00", "30,00", "70,00"});
    QTest::newRow("2. gün") << 2 << QStringList({"70,00", "50,00", "0,00", "120,00"});
    QTest::newRow("3. gün") << 3 << QStringList({"120,00", "0,00", "0,00", "120,00"});
    QTest::newRow("eksi kasa") << 4 << QStringList({"120,00", "0,00", "200,00", "-80,00"});
}

void TstKasa::gunGunToplamlar() {
    QFETCH(int, gun);
    QFETCH(QStringList, beklenen);
    KayitOrtami o;
    hareket(o, kGun1, 100, 0);
    hareket(o, kGun1, 0, 30);
    hareket(o, kGun1.addDays(1), 50, 0);
    hareket(o, kGun1.addDays(3), 0, 200);
    const QDate d = kGun1.addDays(gun - 1);
    const KasaToplami t = KasaToplamlari(o.q(), d);
    QCOMPARE(QStringList({Turkce::Tutar(t.devir), Turkce::Tutar(t.gunGiren),
                          Turkce::Tutar(t.gunCikan), Turkce::Tutar(t.kasa())}),
             beklenen);
    // The window reaches the day from today by its arrows, and shows the same.
    TFKasahar w;
    ac(w, kGun1.addDays(1));
    for (int i = 2; i > gun; --i) w.SOnceki->click();
    for (int i = 2; i < gun; ++i) w.SSonraki->click();
    QCOMPARE(w.Gun(), d);
    QCOMPARE(etiketler(w), beklenen);
}

void TstKasa::sifirTarihVeBaskaGunler() {
    KayitOrtami o;
    hareket(o, Zaman::SifirTarih(), 1000, 0, QStringLiteral("açılış"));
    hareket(o, kGun1.addDays(-400), 0, 10);
    hareket(o, kGun1, 5, 0, QStringLiteral("bugün"));
    hareket(o, kGun1.addDays(1), 7, 0);
    TFKasahar w;
    ac(w, kGun1);
    QCOMPARE(etiketler(w), QStringList({"990,00", "5,00", "0,00", "995,00"}));
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"bugün"}));
    // A cleared field is the zero date: that day's rows, nothing before them.
    w.ETarih->clear();
    QCOMPARE(w.Gun(), Zaman::SifirTarih());
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"açılış"}));
    QCOMPARE(etiketler(w), QStringList({"0,00", "1.000,00", "0,00", "1.000,00"}));
    w.ETarih->setTarih(kGun1.addDays(30));
    QCOMPARE(etiketler(w), QStringList({"1.002,00", "0,00", "0,00", "1.002,00"}));
}

void TstKasa::oncekiGunAyBasindan() {
    KayitOrtami o;
    TFKasahar w;
    ac(w, QDate(2024, 3, 1));
    w.SOnceki->click();
    QCOMPARE(w.ETarih->text(), QStringLiteral("29.02.2024"));
    w.SSonraki->click();
    w.SSonraki->click();
    QCOMPARE(w.ETarih->text(), QStringLiteral("02.03.2024"));
}

void TstKasa::bicimler_data() {
    QTest::addColumn<double>("tutar");
    QTest::addColumn<QString>("izgarada");
    QTest::addColumn<QString>("toplamda");
    QTest::newRow("1500") << 1500.0 << "1.500"
                          << "1.500,00";
    QTest::newRow("12.5") << 12.5 << "12,5"
                          << "12,50";
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0,3"
                             << "0,30";
    QTest::newRow("-1234567.891") << -1234567.891 << "-1.234.567,89"
                                  << "-1.234.567,89";
    QTest::newRow("0.005 yukarı") << 1234.005 << "1.234,01"
                                  << "1.234,01";
}

void TstKasa::bicimler() {
    QFETCH(double, tutar);
    QFETCH(QString, izgarada);
    QFETCH(QString, toplamda);
    KayitOrtami o;
    hareket(o, kGun1, tutar, 0);
    hareket(o, kGun1, 0, tutar);
    TFKasahar w;
    ac(w, kGun1);
    QCOMPARE(w.DbGiren->modeli()->hucreMetni(0, 2), izgarada);
    QCOMPARE(w.DbCikan->modeli()->hucreMetni(0, 2), izgarada);
    QCOMPARE(w.EGirtop->text(), toplamda);
    QCOMPARE(w.ECiktop->text(), toplamda);
    QCOMPARE(w.DbGiren->modeli()->hucreMetni(0, 0), QStringLiteral("14.04.2026"));
    QCOMPARE(w.DbGiren->model()
                 ->data(w.DbGiren->model()->index(0, 2), Qt::TextAlignmentRole)
                 .value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
}

void TstKasa::yeniGelirSonSatirdaOdakta() {
    KayitOrtami o;
    hareket(o, kGun1, 10, 0, QStringLiteral("eski"));
    hareket(o, kGun1, 0, 4, QStringLiteral("gider"));
    TFKasahar w;
    ac(w, kGun1);
    Zaman::Ayarla(QDateTime(kGun1, QTime(16, 45)));
    w.DbCikan->setFocus();
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFKasaharnew*>(d);
        QCOMPARE(g->windowTitle(), QStringLiteral("Kasa Hareketi Girişi ..."));
        QCOMPARE(g->ETarih->text(), QStringLiteral("14.04.2026"));
        QCOMPARE(g->ESaat->metin(), QStringLiteral("16:45"));
        QVERIFY(g->EGiren->text().isEmpty());
        g->EGiren->setFocus();
        QTest::keyClicks(g->EGiren, QStringLiteral("1500"));
        QCOMPARE(g->EGiren->text(), QStringLiteral("1.500"));
        g->EAciklama->setText(QStringLiteral("satış"));
        OdagaTus(g, Qt::Key_F9);
    });
    OdagaTus(&w, Qt::Key_F7);
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"eski", "satış"}));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.DbGiren));
    QCOMPARE(guncel(w.DbGiren), QStringLiteral("satış"));
    QCOMPARE(etiketler(w), QStringList({"0,00", "1.510,00", "4,00", "1.506,00"}));
    QCOMPARE(o.deger(QStringLiteral("Select Saat From Kasahar Where Aciklama='satış'")).toString(),
             QStringLiteral("16:45"));
}

void TstKasa::eksiGirenToplamiDusurur() {
    KayitOrtami o;
    hareket(o, kGun1, 100, 0);
    TFKasahar w;
    ac(w, kGun1);
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFKasaharnew*>(d);
        QTest::keyClicks(g->EGiren, QStringLiteral("-20"));
        QCOMPARE(g->EGiren->deger(), -20.0);
        QTest::keyClick(g->EGiren, Qt::Key_F9);
    });
    w.BYeni->click();
    QCOMPARE(w.DbGiren->modeli()->rowCount(), 2);
    QCOMPARE(w.DbGiren->modeli()->hucreMetni(1, 2), QStringLiteral("-20"));
    QCOMPARE(etiketler(w), QStringList({"0,00", "80,00", "0,00", "80,00"}));
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
}

void TstKasa::gelirGidereDonusur() {
    KayitOrtami o;
    hareket(o, kGun1, 40, 0, QStringLiteral("a"));
    hareket(o, kGun1, 60, 0, QStringLiteral("dönecek"));
    hareket(o, kGun1, 0, 5, QStringLiteral("b"));
    TFKasahar w;
    ac(w, kGun1);
    QVERIFY(w.Q_Giren.Locate(QStringLiteral("Sirano"), 2));
    w.DbGiren->imleciGoster();
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFKasaharnew*>(d);
        QCOMPARE(g->Islem, 2);
        QCOMPARE(g->EGiren->text(), QStringLiteral("60"));
        QVERIFY(g->ECikan->text().isEmpty());
        g->EGiren->clear();
        g->ECikan->setFocus();
        QTest::keyClicks(g->ECikan, QStringLiteral("60"));
        OdagaTus(g, Qt::Key_F9);
    });
    // The button takes no focus: the income grid stays the active control.
    w.BDuzelt->click();
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"a"}));
    QCOMPARE(aciklamalar(w.DbCikan), QStringList({"dönecek", "b"}));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.DbCikan));
    QCOMPARE(guncel(w.DbCikan), QStringLiteral("dönecek"));
    QCOMPARE(etiketler(w), QStringList({"0,00", "40,00", "65,00", "-25,00"}));
}

void TstKasa::dogrulama_data() {
    QTest::addColumn<QString>("giren");
    QTest::addColumn<QString>("cikan");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("ikisi boş") << ""
                               << ""
                               << "Giren veya Çıkan hanelerinden birine değer girmelisiniz.";
    QTest::newRow("ikisi dolu")
        << "100"
        << "5"
        << "Giren veya Çıkan hanelerinden sadece birine değer girmelisiniz.";
    QTest::newRow("sıfır boş sayılır")
        << "0"
        << "0,00"
        << "Giren veya Çıkan hanelerinden birine değer girmelisiniz.";
    QTest::newRow("yalnız çıkan") << ""
                                  << "5"
                                  << "";
}

void TstKasa::dogrulama() {
    QFETCH(QString, giren);
    QFETCH(QString, cikan);
    QFETCH(QString, mesaj);
    KayitOrtami o;
    TFKasaharnew g;
    g.ETarih->setTarih(kGun1);
    g.show();
    QTest::keyClicks(g.EGiren, giren);
    QTest::keyClicks(g.ECikan, cikan);
    QTest::keyClick(g.EAciklama, Qt::Key_F9);
    QCOMPARE(o.deger(QStringLiteral("Select Count(*) From Kasahar")).toInt(),
             mesaj.isEmpty() ? 1 : 0);
    QCOMPARE(KayitOrtami::mesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
    if (!mesaj.isEmpty()) {
        QCOMPARE(MesajTest::Gosterilenler().first().tur, int(MesajTest::Uyari));
        QVERIFY(g.isVisible());
    }
}

void TstKasa::tarihAlanindaTuslar() {
    KayitOrtami o;
    hareket(o, kGun1, 10, 0);
    TFKasahar w;
    ac(w, kGun1);
    w.ETarih->setFocus();
    bool acildi = false;
    QPointer<QTimer> bekleyen = ModalGelince([&](QDialog* d) {
        acildi = true;
        d->reject();
    });
    OdagaTus(&w, Qt::Key_F8);
    OdagaTus(&w, Qt::Key_F3);
    delete bekleyen;
    QVERIFY(!acildi);
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    QCOMPARE(o.deger(QStringLiteral("Select Count(*) From Kasahar")).toInt(), 1);
    ModalGelince([&](QDialog* d) {
        acildi = true;
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
    });
    OdagaTus(&w, Qt::Key_F7);
    QVERIFY(acildi);
}

void TstKasa::cikistaToplamlarYenilenir() {
    KayitOrtami o;
    hareket(o, kGun1, 10, 0, QStringLiteral("ilk"));
    TFKasahar w;
    ac(w, kGun1);
    w.DbGiren->setFocus();
    ModalGelince([&](QDialog* d) {
        // Written elsewhere while the entry window is open, then Esc.
        hareket(o, kGun1.addDays(-1), 3, 0);
        hareket(o, kGun1, 7, 0, QStringLiteral("sonra"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
    });
    OdagaTus(&w, Qt::Key_F8);
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"ilk"}));
    QCOMPARE(etiketler(w), QStringList({"3,00", "17,00", "0,00", "20,00"}));
}

void TstKasa::silme() {
    KayitOrtami o;
    for (const char* a : {"g1", "g2", "g3"}) hareket(o, kGun1, 10, 0, QLatin1String(a));
    for (const char* a : {"c1", "c2"}) hareket(o, kGun1, 0, 1, QLatin1String(a));
    TFKasahar w;
    ac(w, kGun1);
    QVERIFY(w.Q_Giren.Locate(QStringLiteral("Aciklama"), QStringLiteral("g2")));
    w.DbGiren->imleciGoster();
    w.DbGiren->setFocus();
    MesajTest::CevapEkle(-1);
    w.BSil->click();
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"g1", "g2", "g3"}));
    MesajTest::CevapEkle(1);
    OdagaTus(&w, Qt::Key_F3);
    QCOMPARE(MesajTest::Gosterilenler().size(), 2);
    QCOMPARE(aciklamalar(w.DbGiren), QStringList({"g1", "g3"}));
    QCOMPARE(guncel(w.DbGiren), QStringLiteral("g3"));
    QCOMPARE(guncel(w.DbCikan), QStringLiteral("c2"));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.DbGiren));
    QCOMPARE(etiketler(w), QStringList({"0,00", "20,00", "2,00", "18,00"}));
}

void TstKasa::kayitHatasiGirileniKorur() {
    KayitOrtami o;
    TFKasaharnew g;
    g.ETarih->setTarih(kGun1);
    g.show();
    QTest::keyClicks(g.EGiren, QStringLiteral("75"));
    g.EAciklama->setText(QStringLiteral("kaybolmasın"));
    o.sql(QStringLiteral("Alter Table Kasahar Rename To KasaharYedek"));
    QTest::keyClick(g.EGiren, Qt::Key_F9);
    QCOMPARE(KayitOrtami::mesajlar(), QStringList({"Kayıt edilirken bir hata oluştu."}));
    QCOMPARE(MesajTest::Gosterilenler().first().tur, int(MesajTest::Uyari));
    QVERIFY(g.isVisible());
    QCOMPARE(g.EGiren->deger(), 75.0);
    QCOMPARE(g.EAciklama->text(), QStringLiteral("kaybolmasın"));
    // Once the file takes it again, the same window saves it.
    o.sql(QStringLiteral("Alter Table KasaharYedek Rename To Kasahar"));
    QTest::keyClick(g.EGiren, Qt::Key_F9);
    QCOMPARE(g.result(), 1);
    QCOMPARE(o.deger(QStringLiteral("Select Aciklama From Kasahar Where Giren=75")).toString(),
             QStringLiteral("kaybolmasın"));
}

void TstKasa::aciklamaSiniri() {
    KayitOrtami o;
    TFKasaharnew g;
    g.show();
    QTest::keyClicks(g.EAciklama, QString(45, QLatin1Char('k')));
    QCOMPARE(g.EAciklama->text().size(), 40);
    QTest::keyClicks(g.EGiren, QStringLiteral("1"));
    QTest::keyClick(g.EAciklama, Qt::Key_F9);
    QCOMPARE(g.result(), 1);
    QCOMPARE(o.deger(QStringLiteral("Select length(Aciklama) From Kasahar")).toInt(), 40);
}

void TstKasa::ikiIzgaraninSutunlariSaklanir() {
    KayitOrtami o;
    {
        auto* w = new TFKasahar;
        ac(*w, kGun1);
        w->DbGiren->setColumnWidth(3, 150);
        w->DbCikan->setColumnWidth(3, 222);
        w->BCikis->click();
    }
    TFKasahar w;
    ac(w, kGun1.addDays(5));
    QCOMPARE(w.DbGiren->columnWidth(3), 150);
    QCOMPARE(w.DbCikan->columnWidth(3), 222);
    // The day is not kept: every opening starts at today.
    QCOMPARE(w.Gun(), kGun1.addDays(5));
}

KAYIT_TEST_MAIN(TstKasa)
#include "tst_kasa.moc"

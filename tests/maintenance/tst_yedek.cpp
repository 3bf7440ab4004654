#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "bakimortami.h"
#include "dbhatasi.h"
#include "dosyasecimi.h"
#include "tablomodeli.h"
#include "testdb.h"
#include "tftanimyedek.h"
#include "tfyedekle.h"
#include "yedektanim.h"

namespace {

QStringList kayitliDosyalar(BakimOrtami& o) {
    return o.sutun(QStringLiteral("Select Dosyaadi From Yedekdosyalar Order By Sirano"));
}

void dosyalariKaydet(BakimOrtami& o, const QStringList& dosyalar) {
    for (const QString& d : dosyalar)
        o.calistir(QStringLiteral("Insert Into Yedekdosyalar (Dosyaadi) Values ('%1')").arg(d));
}

QString dosyaOlustur(const QTemporaryDir& dizin, const QString& ad) {
    const QString yol = dizin.filePath(ad);
    QFile f(yol);
    f.open(QIODevice::WriteOnly);
    return yol;
}

}  // namespace

class TstYedek : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DosyaSecimi::Test::Etkinlestir(); }
    void cleanup() { DosyaSecimi::Test::Temizle(); }
    void kaydet_data();
    void kaydet();
    void adimlarSirayla();
    void yeniVeritabanindaBos();
    void ekleVeCikar();
    void cikisHicbirSeyYazmaz();
    void cikarilipYenidenEklenenYeniSatirAlir();
    void uzunMusteriKoduHataGosterir();
    void yedeklePenceresi();
};

void TstYedek::kaydet_data() {
    QTest::addColumn<QStringList>("kayitli");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QStringList>("beklenen");
    const QString a = QStringLiteral("/ev/a.txt"), b = QStringLiteral("/ev/b.txt"),
                  c = QStringLiteral("/ev/c.txt"), buyukA = QStringLiteral("/ev/A.txt");
    QTest::newRow("eklenenler") << QStringList() << QStringList{a, b} << QStringList{a, b};
    QTest::newRow("kayıtlı olan tekrar eklenmez")
        << QStringList{a} << QStringList{a, b} << QStringList{a, b};
    QTest::newRow("çıkarılan silinir")
        << QStringList{a, b, c} << QStringList{a, c} << QStringList{a, c};
    QTest::newRow("boş liste hepsini siler") << QStringList{a, b} << QStringList() << QStringList();
    QTest::newRow("harf farkı başka dosya")
        << QStringList{a} << QStringList{buyukA} << QStringList{buyukA};
    QTest::newRow("iki harf biçimi birlikte")
        << QStringList{a} << QStringList{a, buyukA} << QStringList{a, buyukA};
}

void TstYedek::kaydet() {
    QFETCH(QStringList, kayitli);
    QFETCH(QStringList, liste);
    QFETCH(QStringList, beklenen);
    BakimOrtami o;
    dosyalariKaydet(o, kayitli);
    Sorgu q(o.dm.DB_Zafo), q2(o.dm.DB_Zafo);
    QVERIFY_DB(
        YedekTanim::Kaydet(q, q2, QStringLiteral("M-42"), QStringLiteral("/opt/zafo"), liste));
    QCOMPARE(kayitliDosyalar(o), beklenen);
    QCOMPARE(o.sutun(QStringLiteral("Select musterikod From Params")),
             QStringList{QStringLiteral("M-42")});
    QCOMPARE(o.sutun(QStringLiteral("Select progdizin From Params")),
             QStringList{QStringLiteral("/opt/zafo")});
}

void TstYedek::adimlarSirayla() {
    // A path too long for the column stops the save in its second step: the
    // parameters and the paths before it are in, nothing has been deleted.
    BakimOrtami o;
    dosyalariKaydet(o, {QStringLiteral("/eski.txt")});
    Sorgu q(o.dm.DB_Zafo), q2(o.dm.DB_Zafo);
    const QString uzun = QStringLiteral("/") + QString(150, QLatin1Char('u'));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, YedekTanim::Kaydet(q, q2, QStringLiteral("K"), QString(),
                                                          {QStringLiteral("/yeni.txt"), uzun,
                                                           QStringLiteral("/sonra.txt")}));
    QCOMPARE(o.sutun(QStringLiteral("Select musterikod From Params")),
             QStringList{QStringLiteral("K")});
    QCOMPARE(kayitliDosyalar(o),
             (QStringList{QStringLiteral("/eski.txt"), QStringLiteral("/yeni.txt")}));
}

void TstYedek::yeniVeritabanindaBos() {
    BakimOrtami o;
    TFTanimyedek d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Yedekleme Tanımları ..."));
    QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("EMusterikodu"))->text(), QString());
    QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("EZafodizin"))->text(), QString());
    QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("EDosyalar"))->count(), 0);
    QVERIFY(BakimOrtami::hatalar().isEmpty());
}

void TstYedek::ekleVeCikar() {
    BakimOrtami o;
    QTemporaryDir dosyalar;
    const QString bir = dosyaOlustur(dosyalar, QStringLiteral("bir.txt"));
    const QString iki = dosyaOlustur(dosyalar, QStringLiteral("iki.txt"));
    QStringList secilecek{bir, bir, dosyalar.filePath(QStringLiteral("yok.txt")), QString(), iki};
    for (const QString& dosya : secilecek) DosyaSecimi::Test::CevapEkle(dosya);

    TFTanimyedek d;
    d.show();
    auto* liste = d.findChild<QListWidget*>(QStringLiteral("EDosyalar"));
    auto* ekle = d.findChild<QPushButton*>(QStringLiteral("BEkle"));
    for (int i = 0; i < 5; ++i) ekle->click();
    QCOMPARE(liste->count(), 2);
    QCOMPARE(liste->item(0)->text(), bir);
    QCOMPARE(liste->item(1)->text(), iki);

    auto* cikar = d.findChild<QPushButton*>(QStringLiteral("BSil"));
    cikar->click();  // nothing selected
    QCOMPARE(liste->count(), 2);
    liste->setCurrentRow(0);
    cikar->click();
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), iki);
    QVERIFY(kayitliDosyalar(o).isEmpty());

    d.findChild<QLineEdit*>(QStringLiteral("EMusterikodu"))->setText(QStringLiteral("ZF-1"));
    d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(d.result(), 1);
    QCOMPARE(kayitliDosyalar(o), QStringList{iki});
    QCOMPARE(o.sutun(QStringLiteral("Select musterikod From Params")),
             QStringList{QStringLiteral("ZF-1")});
}

void TstYedek::cikisHicbirSeyYazmaz() {
    BakimOrtami o;
    QTemporaryDir dosyalar;
    const QString yeni = dosyaOlustur(dosyalar, QStringLiteral("yeni.txt"));
    dosyalariKaydet(o, {QStringLiteral("/eski.txt")});
    DosyaSecimi::Test::CevapEkle(yeni);
    TFTanimyedek d;
    d.show();
    auto* liste = d.findChild<QListWidget*>(QStringLiteral("EDosyalar"));
    QCOMPARE(liste->count(), 1);
    d.findChild<QPushButton*>(QStringLiteral("BEkle"))->click();
    liste->setCurrentRow(0);
    d.findChild<QPushButton*>(QStringLiteral("BSil"))->click();
    d.findChild<QLineEdit*>(QStringLiteral("EMusterikodu"))->setText(QStringLiteral("X"));
    d.findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QCOMPARE(d.result(), -1);
    QCOMPARE(kayitliDosyalar(o), QStringList{QStringLiteral("/eski.txt")});
    QCOMPARE(o.sutun(QStringLiteral("Select musterikod From Params")), QStringList{QString()});
}

void TstYedek::cikarilipYenidenEklenenYeniSatirAlir() {
    BakimOrtami o;
    QTemporaryDir dosyalar;
    const QString yol = dosyaOlustur(dosyalar, QStringLiteral("a.txt"));
    dosyalariKaydet(o, {yol});
    const QStringList ilkNo = o.sutun(QStringLiteral("Select Sirano From Yedekdosyalar"));
    {
        TFTanimyedek d;
        d.show();
        d.findChild<QListWidget*>(QStringLiteral("EDosyalar"))->setCurrentRow(0);
        d.findChild<QPushButton*>(QStringLiteral("BSil"))->click();
        d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    }
    QVERIFY(kayitliDosyalar(o).isEmpty());
    DosyaSecimi::Test::CevapEkle(yol);
    TFTanimyedek d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("BEkle"))->click();
    d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(kayitliDosyalar(o), QStringList{yol});
    QVERIFY(o.sutun(QStringLiteral("Select Sirano From Yedekdosyalar")) != ilkNo);
}

void TstYedek::uzunMusteriKoduHataGosterir() {
    BakimOrtami o;
    dosyalariKaydet(o, {QStringLiteral("/eski.txt")});
    TFTanimyedek d;
    d.show();
    d.findChild<QLineEdit*>(QStringLiteral("EMusterikodu"))->setText(QString(16, QLatin1Char('7')));
    d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(BakimOrtami::hatalar().size(), 1);
    QVERIFY(d.isVisible());
    QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("EDosyalar"))->count(), 1);
    QCOMPARE(o.sutun(QStringLiteral("Select musterikod From Params")), QStringList{QString()});
}

void TstYedek::yedeklePenceresi() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Insert Into Yedekler (Tarih) Values ('2026-03-01 00:00:00')"));
    o.calistir(QStringLiteral("Insert Into Yedekler (Tarih) Values ('2026-03-08 00:00:00')"));
    auto* p = new TFYedekle;
    p->show();
    QCOMPARE(p->objectName().toUpper(), QStringLiteral("FYEDEKLE"));
    QCOMPARE(p->windowTitle(), QStringLiteral("Yedekleme"));
    auto* izgara = p->findChild<QTableView*>(QStringLiteral("DbYedekler"));
    QAbstractItemModel* m = izgara->model();
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->columnCount(), 2);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sirano"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Tarih"));
    QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("08.03.2026"));

    p->findChild<QPushButton*>(QStringLiteral("BYedekle"))->click();
    QCOMPARE(o.sutun(QStringLiteral("Select Count(*) From Yedekler")),
             QStringList{QStringLiteral("2")});
    QPointer<TFYedekle> izle(p);
    p->findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(izle.isNull());
}

QTEST_MAIN(TstYedek)
#include "tst_yedek.moc"

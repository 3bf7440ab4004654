#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "bakimortami.h"
#include "tablomodeli.h"
#include "testdb.h"
#include "tfveritabgoster.h"
#include "uygulama.h"
#include "veriizgarasi.h"

namespace {

QStringList listesi(QComboBox* c) {
    QStringList adlar;
    for (int i = 0; i < c->count(); ++i) adlar << c->itemText(i);
    return adlar;
}

int sutunNo(QAbstractItemModel* m, const QString& ad) {
    for (int i = 0; i < m->columnCount(); ++i)
        if (m->headerData(i, Qt::Horizontal).toString() == ad) return i;
    return -1;
}

}  // namespace

class TstVeritabgoster : public QObject {
    Q_OBJECT

private slots:
    void tabloListesi();
    void ayniTabloIkiKez();
    void tabloOlmayanAdReddedilir_data();
    void tabloOlmayanAdReddedilir();
    void yazilanAdBuyukKucukHarfeBakmaz();
    void hucreSatirdanCikinca_yazilir();
    void modelDuzenleme_data();
    void modelDuzenleme();
    void siraNoDuzenlenmez();
    void kapanirkenBekleyenSatirYazilir();
};

void TstVeritabgoster::tabloListesi() {
    BakimOrtami o;
    o.dm.DB_Zafo.Close();
    TFVeritabgoster v;
    v.show();
    QCOMPARE(v.windowTitle(), QStringLiteral("Veritabani ..."));
    auto* t1 = v.findChild<QComboBox*>(QStringLiteral("ETablo1"));
    auto* t2 = v.findChild<QComboBox*>(QStringLiteral("ETablo2"));
    const QStringList beklenen{QStringLiteral("Adresler"),      QStringLiteral("Ajanda"),
                               QStringLiteral("Hatalog"),       QStringLiteral("Kasahar"),
                               QStringLiteral("Notlar"),        QStringLiteral("Params"),
                               QStringLiteral("Sadres"),        QStringLiteral("Versiyon"),
                               QStringLiteral("Yedekdosyalar"), QStringLiteral("Yedekler")};
    QCOMPARE(listesi(t1), beklenen);
    QCOMPARE(listesi(t2), beklenen);
    QVERIFY(t1->currentText().isEmpty());
    QVERIFY(t1->isEditable());
}

void TstVeritabgoster::ayniTabloIkiKez() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Insert Into Notlar (Aciklama) Values ('Süt al')"));
    TFVeritabgoster v;
    v.show();
    auto* t1 = v.findChild<QComboBox*>(QStringLiteral("ETablo1"));
    auto* t2 = v.findChild<QComboBox*>(QStringLiteral("ETablo2"));
    auto* sayfalar = v.findChild<QTabWidget*>(QStringLiteral("Sayfalar"));
    t1->setCurrentText(QStringLiteral("Notlar"));
    t2->setCurrentText(QStringLiteral("Notlar"));
    sayfalar->setCurrentIndex(0);
    v.findChild<QPushButton*>(QStringLiteral("BAc1"))->click();
    v.findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
    QCOMPARE(sayfalar->currentIndex(), 0);
    QVERIFY(BakimOrtami::hatalar().isEmpty());
    auto* m1 = v.findChild<QTableView*>(QStringLiteral("DbTablo1"))->model();
    auto* m2 = v.findChild<QTableView*>(QStringLiteral("DbTablo2"))->model();
    QVERIFY(m1 != m2);
    QCOMPARE(m1->rowCount(), 1);
    QCOMPARE(m2->rowCount(), 1);
    const int aciklama = sutunNo(m1, QStringLiteral("Aciklama"));
    QVERIFY(aciklama >= 0);
    QCOMPARE(m1->columnCount(), 6);
    QCOMPARE(m2->index(0, aciklama).data().toString(), QStringLiteral("Süt al"));
}

void TstVeritabgoster::tabloOlmayanAdReddedilir_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::newRow("boş") << QString();
    QTest::newRow("boşluk") << QStringLiteral("   ");
    QTest::newRow("olmayan tablo") << QStringLiteral("Musteriler");
    QTest::newRow("SQLite'ın kendi tablosu") << QStringLiteral("sqlite_master");
    QTest::newRow("ek komut") << QStringLiteral("Notlar; Drop Table Notlar");
    QTest::newRow("alt sorgu") << QStringLiteral("(Select * From Params)");
}

void TstVeritabgoster::tabloOlmayanAdReddedilir() {
    QFETCH(QString, yazilan);
    BakimOrtami o;
    TFVeritabgoster v;
    v.show();
    auto* t2 = v.findChild<QComboBox*>(QStringLiteral("ETablo2"));
    // A table opened before stays as it was.
    t2->setCurrentText(QStringLiteral("Params"));
    v.findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
    auto* m2 = v.findChild<QTableView*>(QStringLiteral("DbTablo2"))->model();
    QCOMPARE(m2->rowCount(), 1);

    t2->setCurrentText(yazilan);
    v.findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
    QCOMPARE(BakimOrtami::hatalar().size(), 1);
    QVERIFY(v.isVisible());
    QCOMPARE(m2->rowCount(), 1);
    QCOMPARE(o.sutun(QStringLiteral("Select Count(*) From sqlite_master Where name='Notlar'")),
             QStringList{QStringLiteral("1")});
}

void TstVeritabgoster::yazilanAdBuyukKucukHarfeBakmaz() {
    BakimOrtami o;
    TFVeritabgoster v;
    v.show();
    v.findChild<QComboBox*>(QStringLiteral("ETablo1"))
        ->setCurrentText(QStringLiteral(" versiyon "));
    v.findChild<QPushButton*>(QStringLiteral("BAc1"))->click();
    QVERIFY(BakimOrtami::hatalar().isEmpty());
    auto* m = v.findChild<QTableView*>(QStringLiteral("DbTablo1"))->model();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, sutunNo(m, QStringLiteral("Versiyonno"))).data().toString(),
             QStringLiteral("53"));
}

void TstVeritabgoster::hucreSatirdanCikinca_yazilir() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Insert Into Kasahar (Aciklama, Giren) Values ('Çay', 12.5)"));
    o.calistir(QStringLiteral("Insert Into Kasahar (Aciklama, Giren) Values ('Simit', 5)"));
    TFVeritabgoster v;
    v.show();
    v.findChild<QComboBox*>(QStringLiteral("ETablo1"))->setCurrentText(QStringLiteral("Kasahar"));
    v.findChild<QPushButton*>(QStringLiteral("BAc1"))->click();
    auto* izgara = v.findChild<QTableView*>(QStringLiteral("DbTablo1"));
    QAbstractItemModel* m = izgara->model();
    const int aciklama = sutunNo(m, QStringLiteral("Aciklama"));
    const int giren = sutunNo(m, QStringLiteral("Giren"));
    QCOMPARE(m->index(0, giren).data().toString(), QStringLiteral("12,5"));

    izgara->setCurrentIndex(m->index(0, aciklama));
    QVERIFY(m->setData(m->index(0, aciklama), QStringLiteral("Demlik çay")));
    QVERIFY(m->setData(m->index(0, giren), QStringLiteral("1.500,25")));
    // Nothing is written while the row is being edited.
    QCOMPARE(o.sutun(QStringLiteral("Select Aciklama From Kasahar Order By Sirano")).first(),
             QStringLiteral("Çay"));
    izgara->setCurrentIndex(m->index(1, aciklama));
    QCOMPARE(o.sutun(QStringLiteral("Select Aciklama From Kasahar Order By Sirano")).first(),
             QStringLiteral("Demlik çay"));
    QCOMPARE(o.sutun(QStringLiteral("Select Giren From Kasahar Order By Sirano")).first(),
             QStringLiteral("1500.25"));
    QVERIFY(BakimOrtami::hatalar().isEmpty());
}

void TstVeritabgoster::modelDuzenleme_data() {
    QTest::addColumn<QString>("alan");
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<bool>("kabul");          // the cell takes the text
    QTest::addColumn<int>("hata");            // messages on the error display, posting included
    QTest::addColumn<QString>("gosterilen");  // what the cell shows after the post
    QTest::addColumn<QString>("kayitli");     // what the file holds after the post
    QTest::newRow("tarih") << "Tarih"
                           << "7.3.2026" << true << 0 << "07.03.2026"
                           << "2026-03-07 00:00:00";
    QTest::newRow("geçersiz tarih") << "Tarih"
                                    << "31.02.2026" << false << 1 << "01.03.2026"
                                    << "2026-03-01 00:00:00";
    QTest::newRow("boş metin NULL olur") << "Aciklama"
                                         << "" << true << 0 << ""
                                         << "";
    QTest::newRow("alana sığmayan metin")
        << "Aciklama" << QString(41, QLatin1Char('x')) << true << 1 << "Eski"
        << "Eski";
    QTest::newRow("sayı değil") << "Cikan"
                                << "on lira" << false << 1 << ""
                                << "";
}

void TstVeritabgoster::modelDuzenleme() {
    QFETCH(QString, alan);
    QFETCH(QString, yazilan);
    QFETCH(bool, kabul);
    QFETCH(int, hata);
    QFETCH(QString, gosterilen);
    QFETCH(QString, kayitli);
    BakimOrtami o;
    o.calistir(QStringLiteral(
        "Insert Into Kasahar (Tarih, Aciklama) Values ('2026-03-01 00:00:00', 'Eski')"));
    TabloModeli m(o.dm.DB_Zafo);
    QAbstractItemModelTester denetci(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY_DB(m.Ac(QStringLiteral("Kasahar")));
    const int s = sutunNo(&m, alan);
    QVERIFY(s >= 0);
    QCOMPARE(m.setData(m.index(0, s), yazilan), kabul);
    try {
        m.Post();
    } catch (const DbHatasi& h) {
        HataPenceresi(h.mesaj());
    }
    QCOMPARE(BakimOrtami::hatalar().size(), hata);
    QVERIFY(!m.duzenleniyor());
    QCOMPARE(m.index(0, s).data().toString(), gosterilen);
    QCOMPARE(o.sutun(QStringLiteral("Select %1 From Kasahar").arg(alan)), QStringList{kayitli});
}

void TstVeritabgoster::siraNoDuzenlenmez() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Insert Into Notlar (Aciklama) Values ('Eski')"));
    TabloModeli m(o.dm.DB_Zafo);
    QVERIFY_DB(m.Ac(QStringLiteral("Notlar")));
    const QModelIndex sirano = m.index(0, sutunNo(&m, QStringLiteral("Sirano")));
    QVERIFY(!(m.flags(sirano) & Qt::ItemIsEditable));
    QVERIFY(!m.setData(sirano, QStringLiteral("9")));
    const QModelIndex durum = m.index(0, sutunNo(&m, QStringLiteral("Durum")));
    QVERIFY(!m.setData(durum, QStringLiteral("iki")));
    QCOMPARE(BakimOrtami::hatalar().size(), 1);
    QVERIFY(m.setData(durum, QStringLiteral("2")));
    QVERIFY_DB(m.Post());
    QCOMPARE(o.sutun(QStringLiteral("Select Durum From Notlar")), QStringList{QStringLiteral("2")});
}

void TstVeritabgoster::kapanirkenBekleyenSatirYazilir() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Insert Into Sadres (Adres) Values ('Eski')"));
    TFVeritabgoster v;
    v.show();
    v.findChild<QComboBox*>(QStringLiteral("ETablo2"))->setCurrentText(QStringLiteral("Sadres"));
    v.findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
    auto* m = v.findChild<QTableView*>(QStringLiteral("DbTablo2"))->model();
    QVERIFY(m->setData(m->index(0, sutunNo(m, QStringLiteral("Adres"))), QStringLiteral("Yeni")));
    v.findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QCOMPARE(v.result(), -1);
    QCOMPARE(o.sutun(QStringLiteral("Select Adres From Sadres")),
             QStringList{QStringLiteral("Yeni")});
}

QTEST_MAIN(TstVeritabgoster)
#include "tst_veritabgoster.moc"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "bakimortami.h"
#include "moduller.h"
#include "tema.h"
#include "tfyedekle.h"
#include "umainform.h"

// The main window's entries into the maintenance windows, the hidden backup
// entries among them.
class TstBakimGirisleri : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ModulleriKaydet(); }
    void diyaloglar_data();
    void diyaloglar();
    void yedeklemePenceresiTekOlarakAcilir();
    void kayitliTemaAcilistaUygulanir();
};

void TstBakimGirisleri::diyaloglar_data() {
    QTest::addColumn<QString>("eylem");
    QTest::addColumn<QString>("baslik");
    QTest::newRow("Temalar") << "Mstemalar"
                             << "Temalar ...";
    QTest::newRow("Yedekleme Tanımları (gizli)") << "MsYedekTanimlari"
                                                 << "Yedekleme Tanımları ...";
    QTest::newRow("Hakkında") << "Mshakkinda"
                              << "Hakkında ...";
    QTest::newRow("tepside Hakkında") << "TMshakkinda"
                                      << "Hakkında ...";
}

void TstBakimGirisleri::diyaloglar() {
    QFETCH(QString, eylem);
    QFETCH(QString, baslik);
    BakimOrtami o;
    TFMainform ana(o.dm, false);
    auto* a = ana.findChild<QAction*>(eylem);
    QVERIFY(a);
    const QStringList acilan = modalIcinde([&] { a->trigger(); }, [](QWidget* w) { w->close(); });
    QCOMPARE(acilan, QStringList{baslik});
}

void TstBakimGirisleri::yedeklemePenceresiTekOlarakAcilir() {
    BakimOrtami o;
    TFMainform ana(o.dm, false);
    ana.ProgramiGoster();
    auto* menu = ana.findChild<QAction*>(QStringLiteral("Msislemler"));
    QVERIFY(menu && !menu->isVisible());
    auto* yedekle = ana.findChild<QAction*>(QStringLiteral("Msyedekle"));
    yedekle->trigger();
    yedekle->trigger();
    const auto pencereler = ana.mdiAlani()->subWindowList();
    QCOMPARE(pencereler.size(), 1);
    QVERIFY(qobject_cast<TFYedekle*>(pencereler.first()->widget()));
    QCOMPARE(pencereler.first()->windowTitle(), QStringLiteral("Yedekleme"));
}

void TstBakimGirisleri::kayitliTemaAcilistaUygulanir() {
    BakimOrtami o;
    o.calistir(QStringLiteral("Update Params Set skinname='Deniz'"));
    // The main window looks for skins beside the executable (here in the build tree).
    const QString klasor = QCoreApplication::applicationDirPath() + QStringLiteral("/Temalar");
    QDir().mkpath(klasor);
    QFile f(klasor + QStringLiteral("/Deniz.qss"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("QMainWindow { background: #00507a; }");
    f.close();
    TFMainform ana(o.dm, false);
    QCOMPARE(TemaYoneticisi::Ornek().ad(), QStringLiteral("Deniz"));
    // A new file shows the opening alert, drawn without the skin; the skin
    // comes back when it closes.
    QVERIFY(!TemaYoneticisi::Ornek().aktif());
    QCOMPARE(qApp->styleSheet(), QString());
    ana.AlertMesajKapat();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QMainWindow { background: #00507a; }"));
    QFile::remove(f.fileName());
}

QTEST_MAIN(TstBakimGirisleri)
#include "tst_bakimgirisleri.moc"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "jetfikstur.h"
#include "mesaj.h"
#include "sorgu.h"
#include "tekornek.h"
#include "udm.h"
#include "umainform.h"
#include "uygulama.h"
#include "zafofonksiyon.h"
#include "zaman.h"

namespace {

qint64 tekDeger(Sorgu& q, const QString& sql) {
    q.Close();
    q.setSql(sql);
    q.Open();
    const qint64 n = q.value(q.fieldNames().first()).toLongLong();
    q.Close();
    return n;
}

// A new data file in a folder of its own, with the data module on it.
struct YeniDosya {
    QTemporaryDir dizin;
    TDm dm{dizin.path()};
    const bool hazir = dm.DataModuleCreate();
};

// Brings the main window up from the tray, the opening alert closed first.
void goster(TFMainform& pencere) {
    pencere.AlertMesajKapat();
    pencere.ProgramiGoster();
}

bool mesajVar(const QString& metin, int numara) {
    for (const auto& k : MesajTest::Gosterilenler())
        if (k.metin == metin && k.numara == numara) return true;
    return false;
}

}  // namespace

class TstAnaPencere : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        MesajTest::Etkinlestir();
        TFMainform::Moduller().insert(QStringLiteral("FNOTLAR"), [] {
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("FNotlar"));
            w->setWindowTitle(QStringLiteral("Notlar ..."));
            return w;
        });
    }
    void init() {
        MesajTest::Temizle();
        Zaman::Ayarla(QDateTime(QDate(2026, 3, 1), QTime(10, 0)));
    }
    void cleanup() { Zaman::Serbest(); }

    void yeniDosyaOlusturulur();
    void veritabaniOlmayanDosya();
    void yazilamayanKlasor();
    void eskiJetDosyasiAktarilir();
    void yanlisParolaliJetDosyasi();
    void tepsideBaslar();
    void tepsiTiklamaKurali();
    void modulTekPencere();
    void gizlemeModulleriKapatir();
    void kapatmaVeKucultmeGizler();
    void kullaniciAdlariBirlikteYazilir();
    void otomatikBaslatHatasiKaydedilir();
    void zamanlayiciAlarmKontroluYapar();
    void tekOrnek();
};

void TstAnaPencere::yeniDosyaOlusturulur() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    QVERIFY(QFileInfo::exists(yeni.dizin.filePath(QStringLiteral("Kovimaro.Vdb"))));
    QCOMPARE(tekDeger(dm.Q_Temp, QStringLiteral("Select Versiyonno From Versiyon")), 53);
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
}

void TstAnaPencere::veritabaniOlmayanDosya() {
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Standard Jet DB, but not really");
    f.close();
    TDm dm(dizin.path());
    QVERIFY(!dm.DataModuleCreate());
    QVERIFY(mesajVar(QStringLiteral("Veritabanı Açılamadı !.."), 10001));
    QCOMPARE(MesajTest::Gosterilenler().first().tur, int(MesajTest::Uyari));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Standard Jet DB, but not really"));
}

void TstAnaPencere::yazilamayanKlasor() {
    TDm dm(QStringLiteral("/proc/kovimaro-yok"));
    QVERIFY(!dm.DataModuleCreate());
    QVERIFY(mesajVar(QStringLiteral("Veritabanı Oluşturulamadı !.."), 1));
    QCOMPARE(MesajTest::Gosterilenler().size(), 1);
}

void TstAnaPencere::eskiJetDosyasiAktarilir() {
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
    QVERIFY(JetYazici::DosyayaYaz(yol, JetFikstur::KovimaroVdb(44)));
    QFile jet(yol);
    QVERIFY(jet.open(QIODevice::ReadOnly));
    const QByteArray ozgun = jet.readAll();
    jet.close();
    TDm dm(dizin.path());
    QVERIFY(dm.DataModuleCreate());
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    // The old file is kept untouched beside the new one, which is upgraded.
    QFile kopya(yol + QStringLiteral(".jet"));
    QVERIFY(kopya.open(QIODevice::ReadOnly));
    QCOMPARE(kopya.readAll(), ozgun);
    QCOMPARE(tekDeger(dm.Q_Temp, QStringLiteral("Select Versiyonno From Versiyon")), 53);
    QCOMPARE(tekDeger(dm.Q_Temp, QStringLiteral("Select Count(*) From Adresler")), 6);
    QCOMPARE(tekDeger(dm.Q_Temp, QStringLiteral("Select acilismesaj From Params")), 0);
}

void TstAnaPencere::yanlisParolaliJetDosyasi() {
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
    JetYazici::Dosya dosya = JetFikstur::KovimaroVdb(53);
    dosya.parola = QStringLiteral("baska");
    QVERIFY(JetYazici::DosyayaYaz(yol, dosya));
    const QStringList once = QDir(dizin.path()).entryList(QDir::Files);
    TDm dm(dizin.path());
    QVERIFY(!dm.DataModuleCreate());
    QVERIFY(mesajVar(QStringLiteral("Veritabanı Açılamadı !.."), 10001));
    QCOMPARE(QDir(dizin.path()).entryList(QDir::Files), once);
}

void TstAnaPencere::tepsideBaslar() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    QVERIFY(!pencere.isVisible());
    QVERIFY(pencere.zamanlayiciAcik());
    QVERIFY(!dm.DB_Zafo.Connected());
    // First days after installation: the opening alert is up.
    QVERIFY(pencere.alertAcik());
    QCOMPARE(AcilisSayaci, 2);
    QVERIFY(!TusTanimlari.isEmpty());
}

void TstAnaPencere::tepsiTiklamaKurali() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    QVERIFY(pencere.alertAcik());
    pencere.JvTrayClick(QSystemTrayIcon::Trigger);
    QVERIFY(mesajVar(QStringLiteral("Lütfen önce mesaj ekranını kapatın."), 0));
    QVERIFY(!pencere.isVisible());
    pencere.AlertMesajKapat();
    pencere.JvTrayClick(QSystemTrayIcon::Context);
    QVERIFY(!pencere.isVisible());
    pencere.JvTrayClick(QSystemTrayIcon::Trigger);
    QVERIFY(pencere.isVisible());
    QVERIFY(!pencere.zamanlayiciAcik());
}

void TstAnaPencere::modulTekPencere() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    goster(pencere);
    QWidget* ilk = pencere.ModulAc(QStringLiteral("FNOTLAR"));
    QVERIFY(ilk);
    QCOMPARE(pencere.ModulAc(QStringLiteral("FNOTLAR")), ilk);
    QCOMPARE(pencere.mdiAlani()->subWindowList().size(), 1);
}

void TstAnaPencere::gizlemeModulleriKapatir() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    goster(pencere);
    QPointer<QWidget> modul = pencere.ModulAc(QStringLiteral("FNOTLAR"));
    const int onceki = AcilisSayaci;
    pencere.ProgramiGizle();
    QVERIFY(!pencere.isVisible());
    QVERIFY(pencere.mdiAlani()->subWindowList().isEmpty());
    QVERIFY(modul.isNull());
    QVERIFY(pencere.zamanlayiciAcik());
    // Still in the first days: going back to the tray shows the alert again.
    QCOMPARE(AcilisSayaci, onceki - 1);
    goster(pencere);
    QVERIFY(pencere.mdiAlani()->subWindowList().isEmpty());
}

void TstAnaPencere::kapatmaVeKucultmeGizler() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    goster(pencere);
    QVERIFY(!pencere.close());
    QVERIFY(!pencere.isVisible());
    QVERIFY(pencere.zamanlayiciAcik());
    goster(pencere);
    pencere.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!pencere.isVisible());
    QVERIFY(!pencere.isMinimized());
}

void TstAnaPencere::kullaniciAdlariBirlikteYazilir() {
    QTemporaryDir dizin;
    {
        TDm dm(dizin.path());
        QVERIFY(dm.DataModuleCreate());
        dm.Q_Temp.setSql(
            QStringLiteral("Update Params Set Bilginame='eski-makine', Kullanici=NULL"));
        dm.Q_Temp.Execute();
    }
    TDm dm(dizin.path());
    QVERIFY(dm.DataModuleCreate());
    TFMainform pencere(dm, true);
    dm.DB_Zafo.Open();
    dm.Q_Temp.setSql(QStringLiteral("Select Bilginame, Kullanici From Params"));
    dm.Q_Temp.Open();
    QCOMPARE(dm.Q_Temp.fieldText(QStringLiteral("Bilginame")), QSysInfo::machineHostName());
    QVERIFY(!dm.Q_Temp.fieldText(QStringLiteral("Kullanici")).isEmpty());
}

void TstAnaPencere::otomatikBaslatHatasiKaydedilir() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    const QByteArray onceki = qgetenv("XDG_CONFIG_HOME");
    // A file where the settings folder should be: no autostart entry can be written.
    const QString engel = yeni.dizin.filePath(QStringLiteral("engel"));
    QFile(engel).open(QIODevice::WriteOnly);
    qputenv("XDG_CONFIG_HOME", engel.toUtf8());
    { TFMainform pencere(dm, true); }
    qputenv("XDG_CONFIG_HOME", onceki);
    dm.DB_Zafo.Open();
    dm.Q_Temp.setSql(QStringLiteral("Select * From Hatalog"));
    dm.Q_Temp.Open();
    QCOMPARE(dm.Q_Temp.RecordCount(), 1);
    QCOMPARE(dm.Q_Temp.fieldInt(QStringLiteral("Hatano")), 5);
    QCOMPARE(dm.Q_Temp.fieldText(QStringLiteral("Procname")), QStringLiteral("MainFormCreate"));
    QCOMPARE(dm.Q_Temp.fieldText(QStringLiteral("Mesaj")),
             QStringLiteral("Registry update yapılamadı."));
}

void TstAnaPencere::zamanlayiciAlarmKontroluYapar() {
    YeniDosya yeni;
    QVERIFY(yeni.hazir);
    TDm& dm = yeni.dm;
    TFMainform pencere(dm, true);
    int sayac = 0;
    TFMainform::AlarmKontrolu() = [&] {
        ++sayac;
        QVERIFY(!pencere.zamanlayiciAcik());  // off during its own tick
        dm.DB_Zafo.Open();
        throw std::runtime_error("ignored");
    };
    pencere.ZamanlayiciIsle();
    TFMainform::AlarmKontrolu() = nullptr;
    QCOMPARE(sayac, 1);
    QVERIFY(pencere.zamanlayiciAcik());
    QVERIFY(!dm.DB_Zafo.Connected());
}

void TstAnaPencere::tekOrnek() {
    const QString ad = QStringLiteral("kovimaro-test-%1").arg(QCoreApplication::applicationPid());
    TekOrnek ilk(ad);
    QVERIFY(!ilk.BaskasiCalisiyor());
    QVERIFY(ilk.Dinle());
    QSignalSpy istek(&ilk, &TekOrnek::gosterIstendi);
    TekOrnek ikinci(ad);
    QVERIFY(ikinci.BaskasiCalisiyor());
    QTRY_COMPARE(istek.size(), 1);
}

int main(int argc, char** argv) {
    Uygulama uygulama(argc, argv);
    Uygulama::setQuitOnLastWindowClosed(false);
    TstAnaPencere test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_anapencere.moc"

// Skin and table-viewer figures: how long a skin switch takes to restyle every
// open window, and how long the table viewer takes to show a large table.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_tema [rows]
//
// The window set is the main window with the backup window open in it, the
// table viewer with two tables open, and the skin chooser, all shown.

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "moduller.h"
#include "sorgu.h"
#include "tablomodeli.h"
#include "tema.h"
#include "tftemalar.h"
#include "tfveritabgoster.h"
#include "udm.h"
#include "umainform.h"
#include "uygulama.h"

namespace {

double ortanca(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void satirlarEkle(TDm& dm, int adet) {
    dm.DB_Zafo.Calistir(QStringLiteral("Begin"));
    Sorgu q(dm.DB_Zafo);
    q.setSql(
        QStringLiteral("Insert Into Adresler (Ad, Soyad, Sirket, Sehir, Telefon1, Dogumtarihi) "
                       "Values (:Ad, :Soyad, :Sirket, :Sehir, :Telefon1, :Dogumtarihi)"));
    for (int i = 0; i < adet; ++i) {
        q.paramText(QStringLiteral("Ad"), QStringLiteral("Ayşe %1").arg(i));
        q.paramText(QStringLiteral("Soyad"), QStringLiteral("Yılmaz"));
        q.paramText(QStringLiteral("Sirket"), QStringLiteral("Güneş Tekstil"));
        q.paramText(QStringLiteral("Sehir"), QStringLiteral("İstanbul"));
        q.paramText(QStringLiteral("Telefon1"), QStringLiteral("0212 000 00 00"));
        q.paramDate(QStringLiteral("Dogumtarihi"), QDate(1980, 4, 23));
        q.Execute();
    }
    dm.DB_Zafo.Calistir(QStringLiteral("Commit"));
}

}  // namespace

int main(int argc, char** argv) {
    // The main window writes its autostart entry and placement under the home:
    // here a throw-away one.
    QTemporaryDir ev;
    setenv("HOME", ev.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (ev.path() + QStringLiteral("/.config")).toLocal8Bit().constData(),
           1);
    Uygulama uygulama(argc, argv);
    Uygulama::setQuitOnLastWindowClosed(false);
    const int satir = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;

    QTemporaryDir klasor;
    TDm dm(klasor.path());
    Dm = &dm;
    if (!dm.DataModuleCreate()) return 1;
    satirlarEkle(dm, satir);

    // The table viewer on a large table: statement, copy of the rows, first paint.
    std::vector<double> acilis;
    for (int i = 0; i < 5; ++i) {
        TabloModeli m(dm.DB_Zafo);
        QElapsedTimer t;
        t.start();
        m.Ac(QStringLiteral("Adresler"));
        acilis.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("table viewer, %d rows of Adresler: %.1f ms to open (median of 5)\n", satir,
                ortanca(acilis));

    ModulleriKaydet();
    TFMainform ana(dm, false);
    // The skins sit beside the program in bin/.
    TemaYoneticisi::Ornek().setKlasor(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/../bin/Temalar"));
    ana.ProgramiGoster();
    ana.ModulAc(QStringLiteral("FYEDEKLE"));
    TFVeritabgoster gosterici;
    gosterici.show();
    gosterici.findChild<QComboBox*>(QStringLiteral("ETablo1"))
        ->setCurrentText(QStringLiteral("Adresler"));
    gosterici.findChild<QPushButton*>(QStringLiteral("BAc1"))->click();
    gosterici.findChild<QComboBox*>(QStringLiteral("ETablo2"))
        ->setCurrentText(QStringLiteral("Params"));
    gosterici.findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
    TFTemalar secici;
    secici.show();
    QCoreApplication::processEvents();

    const QStringList temalar = TemaYoneticisi::Ornek().Temalar();
    std::vector<double> gecis;
    for (int tur = 0; tur < 3; ++tur) {
        for (const QString& tema : temalar) {
            QElapsedTimer t;
            t.start();
            TemaYoneticisi::Ornek().setAd(tema);
            // Restyled and repainted: the windows are drawn once in the new skin.
            for (QWidget* w : {static_cast<QWidget*>(&ana), static_cast<QWidget*>(&gosterici),
                               static_cast<QWidget*>(&secici)})
                w->grab();
            gecis.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    std::printf(
        "skin switch with %d widgets open, restyle and repaint: %.1f ms median, %.1f ms worst "
        "(%zu switches over %lld skins)\n",
        static_cast<int>(QApplication::allWidgets().size()), ortanca(gecis),
        *std::max_element(gecis.begin(), gecis.end()), gecis.size(),
        static_cast<long long>(temalar.size()));
    Dm = nullptr;
    return 0;
}

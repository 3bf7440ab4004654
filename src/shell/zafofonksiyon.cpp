#include "zafofonksiyon.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "baglanti.h"
#include "dbhatasi.h"
#include "sorgu.h"
#include "zaman.h"

QString TusTanimlari;
int AcilisSayaci = 0;
IzgaraAyarlari Izgara;

void ParametreleriOku(Sorgu& q) {
    if (!q.baglanti().Connected()) q.baglanti().Open();
    q.Close();
    q.setSql(QStringLiteral("Select Params.* From Params"));
    Sessizce([&] { q.Open(); });
    // The first failing read ends the reading; what was read stays.
    Sessizce([&] {
        TusTanimlari = q.fieldText(QStringLiteral("Tuslar")).left(75);
        Izgara.gridcol1 = q.fieldInt(QStringLiteral("Gridcol1"));
        Izgara.gridcol2 = q.fieldInt(QStringLiteral("Gridcol2"));
        Izgara.gridhbackcol = q.fieldInt(QStringLiteral("Gridhbackcol"));
        Izgara.gridhcol = q.fieldInt(QStringLiteral("Gridhcol"));
        Izgara.gridcol = q.fieldInt(QStringLiteral("Gridcol"));
        Izgara.gridfont = q.fieldText(QStringLiteral("Gridfont"));
        Izgara.gridfontsize = q.fieldInt(QStringLiteral("Gridfontsize"));
        AcilisSayaci = static_cast<int>(q.fieldInt(QStringLiteral("Acilismesaj")));
    });
    if (AcilisSayaci == 1) {
        const QDate kurulus = q.fieldDate(QStringLiteral("kurtarih"));
        AcilisSayaci = Zaman::Bugun().addDays(-3) > kurulus ? -99 : 3;
    }
    Izgara.kolmod = 0;
    Sessizce([&] { Izgara.kolmod = q.fieldInt(QStringLiteral("kolmod")); });
    q.Close();
    if (AcilisSayaci == -99) {
        q.Close();
        q.setSql(QStringLiteral("Update params Set Acilismesaj=0"));
        q.Execute();
    }
}

bool FormAcikmi(QMdiArea* alan, const QString& ad) {
    const QList<QMdiSubWindow*> pencereler = alan->subWindowList();
    for (auto it = pencereler.crbegin(); it != pencereler.crend(); ++it) {
        QWidget* w = (*it)->widget();
        if (w && w->objectName().toUpper() == ad) return true;
    }
    return false;
}

void FormlariKapat(QMdiArea* alan) {
    const QList<QMdiSubWindow*> pencereler = alan->subWindowList();
    for (auto it = pencereler.crbegin(); it != pencereler.crend(); ++it) {
        QMdiSubWindow* p = *it;
        p->close();
        // A window closes at once and frees itself; nothing is left behind to show
        // again when the main window comes back from the tray.
        if (p->widget()) delete p->widget();
        delete p;
    }
}

#pragma once

#include <QString>

class QMdiArea;
class Sorgu;

// Settings read from Params at start and kept for the whole run.
extern QString TusTanimlari;  // Params.tuslar, at most 75 characters
extern int AcilisSayaci;      // how many more times the opening alert is shown in this run
// Grid settings of Params; read at start, no window applies them.
struct IzgaraAyarlari {
    qint64 gridcol1 = 0, gridcol2 = 0, gridhbackcol = 0, gridhcol = 0, gridcol = 0;
    QString gridfont;
    qint64 gridfontsize = 0;
    qint64 kolmod = 0;
};
extern IzgaraAyarlari Izgara;

// Reads the settings row into memory and applies the opening-message rule: the
// alert is shown on the installation day and the three days after it; from the
// fourth day on it is switched off in the file for good.
void ParametreleriOku(Sorgu& q);

// True when a module window of that upper-case name is open in the main window.
bool FormAcikmi(QMdiArea* alan, const QString& ad);
// Closes every module window, from the last to the first.
void FormlariKapat(QMdiArea* alan);

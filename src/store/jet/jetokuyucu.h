#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "jetdosyasi.h"

// Reading tables with mdbtools' libmdb in the calling process. The program
// calls these only inside the child process of jetyalitim.h; the fuzz target
// calls them directly so that what upsets them shows.
namespace Jet::Dogrudan {

// Where the file's bytes come from: a path, or the whole content in memory.
struct Kaynak {
    QString yol;
    QByteArray veri;
    bool bellekte = false;
};

QStringList Tablolar(const Kaynak& kaynak);
Tablo TabloOku(const Kaynak& kaynak, const QString& tablo, const QStringList& sutunlar);

}  // namespace Jet::Dogrudan

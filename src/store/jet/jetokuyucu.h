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
QStringList Sutunlar(const Kaynak& kaynak, const QString& tablo);
Tablo TabloOku(const Kaynak& kaynak, const QString& tablo, const QStringList& sutunlar);

// The two halves of TabloOku: the child gathers the values as the pages hold
// them, the program turns them into a Tablo (and raises DbHatasi on a record
// cut short).
QByteArray TabloHam(const Kaynak& kaynak, const QString& tablo, const QStringList& sutunlar);
Tablo HamCoz(const QByteArray& ham);

}  // namespace Jet::Dogrudan

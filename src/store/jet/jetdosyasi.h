#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// Read-only access to Jet 4 (Access 2000) and Jet 3 database files: the
// company file of the maker's accounting program and the Kovimaro.Vdb that
// users bring from the Windows program.
//
// A company file comes from outside and may be damaged in any way; the tables
// are read in a child process, so that a file that upsets the reading library
// costs an error (DbHatasi) and never the resident program.
namespace Jet {

// One table read whole: column names as the file spells them, rows of values:
// NULL -> invalid QVariant, text -> QString (empty text stays an empty, non-null QString),
// Date/Time -> QDateTime (wall time as stored, as Qt::UTC so that no zone shifts it),
// integers -> qint64, floating point/currency -> double, boolean -> qint64 0/1.
struct Tablo {
    QStringList sutunlar;
    QList<QVariantList> satirlar;
};

bool JetMi(const QString& yol);            // page 0 says Jet 4 (or Jet 3)
QString Parola(const QString& yol);        // the database password from the header; raises DbHatasi
QStringList Tablolar(const QString& yol);  // user tables; raises DbHatasi
// The column names of a table (found without regard to case) as the file spells them;
// raises DbHatasi like TabloOku.
QStringList Sutunlar(const QString& yol, const QString& tablo);
// Reads the named columns (all when empty) of a table, matching names without regard to case;
// raises DbHatasi when the file is not a Jet file, is damaged, or lacks the table or a column.
Tablo TabloOku(const QString& yol, const QString& tablo, const QStringList& sutunlar = {});

}  // namespace Jet

#pragma once

#include <QString>
#include <QStringList>

class Sorgu;

// The stored backup definitions: the customer code and the accounting
// program's folder in Params, and the list of files to back up.
namespace YedekTanim {

struct Parametreler {
    QString musterikod;
    QString progdizin;
};

// Reads the single Params row; NULL reads as empty text. Raises DbHatasi.
Parametreler ParametreleriOku(Sorgu& q);
// The stored paths in the order the file gives them. Raises DbHatasi.
QStringList DosyalariOku(Sorgu& q);

// Saves in three steps, in this order, each done before the next begins:
// the two parameters; the listed paths that are not stored yet; the stored
// paths that are no longer listed. Paths are compared exactly, letter case
// included, since two paths that differ only in case are two files here.
// Raises DbHatasi at the first failing step; the earlier steps stay done.
void Kaydet(Sorgu& q, Sorgu& q2, const QString& musterikod, const QString& progdizin,
            const QStringList& dosyalar);

}  // namespace YedekTanim

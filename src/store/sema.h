#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The tables of the program's own file at schema version 53, each column with
// its Jet type as the creation statements write it ("String(25)", "Date", ...).
struct SemaSutun {
    const char* ad;
    const char* tip;
};

struct SemaTablo {
    const char* ad;
    std::vector<SemaSutun> sutunlar;
};

namespace Sema {

inline constexpr int kSurum = 53;

// In creation order: Adresler, Ajanda, Hatalog, Kasahar, Notlar, Params,
// Sadres, Yedekler, Yedekdosyalar, Versiyon.
const std::vector<SemaTablo>& Tablolar();
const SemaTablo* Tablo(const QString& ad);  // without regard to case

// A Jet column definition in SQLite's words, keeping Jet's limits: a String(n)
// refuses a longer text, an Integer stays within 32 bits, text compares
// without regard to case, Autoincrement counts up in insertion order.
QString SutunTanimi(const QString& ad, const QString& jetTipi);

// "Create Table <ad> (" + one line per column + ")".
QStringList OlusturmaSatirlari(const SemaTablo& tablo);

// The indexes the modules' queries lean on (the schema itself declares none).
QStringList IndeksKomutlari();

// The 75-character key text of Params.tuslar.
QString TusMetni();

}  // namespace Sema

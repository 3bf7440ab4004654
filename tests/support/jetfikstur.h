#pragma once

#include <QString>

#include "jetyazici.h"

// Jet files as the Windows program left its Kovimaro.Vdb, for the tests and
// the benchmark of the import.
namespace JetFikstur {

// The tables and columns of the given schema version with `satir` rows in each
// table but Params and Versiyon, which hold one row each. The rows mix Turkish
// text in both stored forms, empty text and NULL, the zero date, dates before
// 1900, negative and fractional amounts, gaps in Sirano and random keys.
JetYazici::Dosya KovimaroVdb(int surum, int satir = 6);

// A company file of the accounting program with `kart` cards in table
// Carikart: the thirteen columns the card viewer reads, Turkish titles drawn
// from a fixed sequence, one NULL and one empty text in every row.
JetYazici::Dosya SirketDosyasi(int kart);

}  // namespace JetFikstur

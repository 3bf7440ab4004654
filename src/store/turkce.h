#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

class QCollator;

// Turkish text order and Turkish display formats, whatever the machine's locale.
namespace Turkce {

const QLocale& Yerel();

// Compares two texts in Turkish alphabetical order, without regard to case
// (Çetin after Cem, İsmail after Irmak; İ equals i and I equals ı).
int Karsilastir(QStringView a, QStringView b);
bool Esit(QStringView a, QStringView b);
// The same order over UTF-8 texts, as the database hands them to its collation.
int KarsilastirUtf8(const char* a, int uzA, const char* b, int uzB);

// The collator behind this order (tr_TR, case ignored), for sort keys.
const QCollator& Harmanlayici();
// The order of a character that sorts on its own (the printable ASCII
// characters and the Turkish letters), case ignored: comparing two such texts
// character by character by these weights gives the collator's answer. 0 for
// any other character, which only the collator orders.
quint16 Agirlik(char16_t c);

// The name under which the data module's connection knows this order in SQL:
// "ORDER BY Ad COLLATE TURKCE".
inline constexpr const char* kHarmanlama = "TURKCE";

QString Tarih(const QDate& gun);          // 11.12.2026, empty for the zero date
QString Sayi(double deger, int ondalik);  // 1.500,25 with the given decimals
QString Tutar(double deger);              // "#,##0.00": 1.500,00
QString KisaTutar(double deger);          // ",0.##": 1.500,25 / 12,5 / 0 shown as 0

}  // namespace Turkce

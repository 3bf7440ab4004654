#pragma once

#include <QString>
#include <optional>

class Baglanti;
class Sorgu;

// Creation of the program's file, its tables and default rows, the schema
// upgrade to the current version, and the error log. All of it runs through
// the data module's connection and its general statement component.
namespace Veritabani {

enum class OlusturmaSonucu { Tamam, Olusturulamadi, Acilamadi };

// Creates the file at the connection's path, opens it and creates every table.
// The caller shows "Veritabanı Oluşturulamadı !.." or "Veritabanı Açılamadı !.."
// (number 1) for the two failures.
OlusturmaSonucu VeritabaniOlustur(Baglanti& db, Sorgu& q, const QString& yol);

// Creates every table with its default rows; a table that exists stays as it is.
void TablolariOlustur(Baglanti& db, Sorgu& q);

// Reads the stored schema version and upgrades an older file. Raises DbHatasi
// when the version table cannot be read.
void VersiyonKontrol(Baglanti& db, Sorgu& q);

// Brings a file of the given version up to the current one; single failing
// statements are skipped.
void VeritabaniGuncelle(Baglanti& db, Sorgu& q, int surum);

// Appends one row to Hatalog; never reports its own failure.
void HataKaydet(Baglanti& db, Sorgu& q, int numara, const QString& yordam, const QString& mesaj);

// The time of day as the user's long time format writes it (14:05:09), and hours and minutes.
QString UzunSaat();
QString KisaSaat();

// Random 20-character record key, each character from '*' (42) to 'y' (121).
QString RastgeleAnahtar();

}  // namespace Veritabani

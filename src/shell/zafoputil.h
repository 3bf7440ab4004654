#pragma once

#include <QString>

// A random 20-character record key (Ajanda.Ajid, Adresler.Keyvalue, Params.keyvalue).
QString RastgeleAnahtar();

// Registers the program to start at every log-on: an XDG autostart entry named
// after the value name, running the given command line. Raises
// std::runtime_error when the entry cannot be written.
void OtomatikBaslat(const QString& degerAdi, const QString& komut);
// Where the autostart entry goes ($XDG_CONFIG_HOME/autostart/<name>.desktop).
QString OtomatikBaslatDosyasi(const QString& degerAdi);

// The computer's network name and the logged-on user's name; empty when unknown.
QString BilgisayarAdi();
QString KullaniciAdi();

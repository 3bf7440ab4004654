#pragma once

#include <QString>
#include <functional>

class Baglanti;
class Sorgu;

// Links to pages of the maker's web site, opened in the default browser.
namespace Web {

// The site address used by every link and shown under the logo.
inline constexpr const char* kSiteAdresi = "https://www.zafoyazilim.com";

inline constexpr const char* kSurumSayfasi = "Kovimaro_Ucretsiz_Ajanda_Programi.aspx";
inline constexpr const char* kSurumSorgusu =
    "?utm_source=ASurum&utm_medium=Tiklama&utm_content=ASurum&utm_campaign=ASurum&tid="
    "AjandaSurumKontrol&Versiyon=";
inline constexpr const char* kTemaSayfasi = "KovimaroTemaYukle.aspx";
inline constexpr const char* kTemaSorgusu =
    "?utm_source=ATema&utm_medium=Tiklama&utm_content=ATema&utm_campaign=ATema&Versiyon=";

// "&p1=<contacts>_<appointments>_<cash movements>"; empty without a connection.
// An error while counting is raised to the caller.
QString KullanimSayilari(Baglanti& db, Sorgu& q);

// Builds the link of a page with the version number and the usage counts and opens it.
void WebSayfasiAc(Baglanti& db, Sorgu& q, const QString& sayfa, const QString& sorgu);
void AnaSayfaAc();

// Tests catch the addresses instead of starting a browser.
void AcmaYoluAyarla(std::function<void(const QString&)> ac);

}  // namespace Web

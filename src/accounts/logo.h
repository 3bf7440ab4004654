#pragma once

#include <QString>
#include <QStringList>

#include "dbhatasi.h"

// The link to the ERP Logo, whose card table lives in a Microsoft SQL Server
// database. This part only builds texts: the ODBC connection string for the
// FreeTDS driver and the two SELECT statements on the firm's card table.
namespace Logo {

// The stored link values (Params.Ticserver, Ticveritab, Ticuser, Ticpass).
struct Bilgiler {
    QString sunucu;      // "HOST", "HOST,1433", "HOST\INSTANCE", as SQL Server users write it
    QString veritabani;  // initial catalog
    QString kullanici;
    QString sifre;
};

// A failing step of the link: either the login (wrong server, user, password,
// database, or no answer within the login time-out) or the statement.
class Hata : public DbHatasi {
public:
    enum class Asama { Baglanti, Sorgu };
    Hata(Asama asama, const QString& mesaj) : DbHatasi(mesaj), asama_(asama) {}
    Asama asama() const { return asama_; }

private:
    Asama asama_;
};

// Seconds that a login may take before it is given up, so that an unreachable
// server costs the user a short wait and not a frozen window.
inline constexpr int kGirisSuresi = 5;
// Seconds a statement may wait for the server's answer before it is given up.
inline constexpr int kSorguSuresi = 30;

// The FreeTDS ODBC driver as unixODBC loads it: by the path of the library when
// it is installed where the build found it, else by the name "FreeTDS" that
// odbcinst.ini may register.
QString Surucu();

// Puts an ODBC connection value in braces when it holds ';', '{' or '}' or
// starts or ends with a blank, so that no value can end early or add keywords
// of its own. The FreeTDS driver reads a braced value up to the first "};" as
// it stands (it does not undo doubled braces), so the value keeps its '}'.
QString OdbcDegeri(const QString& deger);

// DRIVER, SERVER (and PORT), DATABASE, UID, PWD, the protocol version and the
// UTF-8 client charset. A value holding "};" cannot be passed to the driver
// whole; it raises Hata (Baglanti) instead of reaching the server cut short.
QString BaglantiMetni(const Bilgiler& bilgi);

// "[LG_<firm>_CLCARD]": the firm number goes in exactly as typed (no zeros
// added, nothing trimmed); a ']' in it is doubled so that it cannot close the
// bracketed name and let the rest of the text run as SQL.
QString TabloAdi(const QString& firma);

// The test of the working parameters: at most ten active cards.
QStringList KontrolSorgusu(const QString& firma);
// The viewer's list: active cards that are not of type 22, by title.
QStringList CariSorgusu(const QString& firma);

}  // namespace Logo

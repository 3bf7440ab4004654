#include "logo.h"

#include <QFileInfo>

namespace Logo {

QString Surucu() {
#ifdef KOVIMARO_TDSODBC
    const QString yol = QStringLiteral(KOVIMARO_TDSODBC);
    if (QFileInfo::exists(yol)) return yol;
#endif
    return QStringLiteral("FreeTDS");
}

QString OdbcDegeri(const QString& deger) {
    const bool korunmali = deger.contains(QLatin1Char(';')) || deger.contains(QLatin1Char('{')) ||
                           deger.contains(QLatin1Char('}')) || deger.startsWith(QLatin1Char(' ')) ||
                           deger.endsWith(QLatin1Char(' '));
    if (!korunmali) return deger;
    return QLatin1Char('{') + deger + QLatin1Char('}');
}

namespace {

struct Sunucu {
    QString ad;    // host, or host\instance for the driver to resolve
    QString port;  // empty: the driver's default (1433, or the instance's port)
};

// SQL Server users write the server as "HOST", "HOST,PORT", "HOST\INSTANCE",
// with an optional "tcp:" in front, and "." or "(local)" for this computer.
// A port given after a comma wins over an instance name, as it does for
// Microsoft's own clients.
Sunucu SunucuCoz(QString metin) {
    metin = metin.trimmed();
    if (metin.startsWith(QStringLiteral("tcp:"), Qt::CaseInsensitive)) metin = metin.mid(4);
    Sunucu s;
    const qsizetype virgul = metin.indexOf(QLatin1Char(','));
    if (virgul >= 0) {
        s.port = metin.mid(virgul + 1).trimmed();
        metin = metin.left(virgul).trimmed();
    }
    QString makine = metin;
    QString ornek;
    const qsizetype egik = metin.indexOf(QLatin1Char('\\'));
    if (egik >= 0) {
        makine = metin.left(egik);
        ornek = metin.mid(egik + 1);
    }
    if (makine == QLatin1String(".") ||
        makine.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0)
        makine = QStringLiteral("127.0.0.1");
    s.ad = (ornek.isEmpty() || !s.port.isEmpty()) ? makine : makine + QLatin1Char('\\') + ornek;
    return s;
}

QString Anahtar(const char* ad, const QString& deger) {
    if (deger.contains(QLatin1String("};")))
        throw Hata(Hata::Asama::Baglanti,
                   QStringLiteral("%1 holds \"};\", which the ODBC driver cannot take")
                       .arg(QLatin1String(ad)));
    return QLatin1String(ad) + QLatin1Char('=') + OdbcDegeri(deger) + QLatin1Char(';');
}

}  // namespace

QString BaglantiMetni(const Bilgiler& bilgi) {
    const Sunucu s = SunucuCoz(bilgi.sunucu);
    QString metin = Anahtar("DRIVER", Surucu());
    metin += Anahtar("SERVER", s.ad);
    if (!s.port.isEmpty()) metin += Anahtar("PORT", s.port);
    if (!bilgi.veritabani.isEmpty()) metin += Anahtar("DATABASE", bilgi.veritabani);
    metin += Anahtar("UID", bilgi.kullanici);
    metin += Anahtar("PWD", bilgi.sifre);
    // A fixed protocol version: left to "auto", the driver falls back to the
    // Sybase protocol after a failed login, sending the password in clear text
    // and waiting anew. Older servers answer 7.4 with their own version.
    metin += QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;APP=Kovimaro;");
    return metin;
}

QString TabloAdi(const QString& firma) {
    QString f = firma;
    f.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QStringLiteral("[LG_") + f + QStringLiteral("_CLCARD]");
}

namespace {
const char* const kSecim2 =
    "[TELNRS1] As Telefon1, [TELNRS2] As Telefon2, [FAXNR] As Faks, [TAXNR] As VergiNo, "
    "[TAXOFFICE] As VergiDa";
const char* const kSutunlar =
    "[LOGICALREF] As Carisira, [CODE] As CariKod, [DEFINITION_] As Unvan, [ADDR1] As Adres1, "
    "[ADDR2] As Adres2, [CITY] As Adres3,";
}  // namespace

QStringList KontrolSorgusu(const QString& firma) {
    return {QStringLiteral("SELECT TOP 10 ") + QLatin1String(kSutunlar), QLatin1String(kSecim2),
            QStringLiteral("FROM ") + TabloAdi(firma), QStringLiteral("WHERE [ACTIVE]=0")};
}

QStringList CariSorgusu(const QString& firma) {
    return {QStringLiteral("SELECT ") + QLatin1String(kSutunlar), QLatin1String(kSecim2),
            QStringLiteral("FROM ") + TabloAdi(firma),
            QStringLiteral("WHERE (([ACTIVE]=0) AND ([CARDTYPE]<>22)) ORDER BY [DEFINITION_]")};
}

}  // namespace Logo

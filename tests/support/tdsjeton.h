#pragma once

#include <QByteArray>
#include <QString>

#include "tdssunucu.h"

// The messages of the TDS test server in the protocol's own bytes: tokens
// and the pieces of the login that the server reads or answers.
namespace TdsJeton {

// The answer to a pre-login: SQL Server 15, no encryption, MARS off.
QByteArray OnGirisYaniti();
// The fields of a LOGIN7 message (the password unscrambled).
TdsSunucu::Giris GirisCoz(const QByteArray& govde);
// Environment changes (database, collation, packet size), login acknowledgement, done.
QByteArray GirisOnayi(const TdsSunucu::Giris& giris, quint32 surum, quint32 paketBoyu);
// An error token and a done token that says error.
QByteArray Hata(int no, const QString& metin, quint8 sinif, quint32 surum);
// The done token that acknowledges an attention.
QByteArray Iptal(quint32 surum);
// The SQL text of a batch message.
QString TopluMetni(const QByteArray& govde, quint32 surum);

}  // namespace TdsJeton

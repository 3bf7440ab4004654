#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Page 0 of a Jet file, read by our own bounds-checked code: the reading
// library never sees a file that fails here.
namespace Jet::Baslik {

inline constexpr int kJet3 = 0;
inline constexpr int kJet4 = 1;

// The version byte of page 0 (kJet3 or kJet4), or -1 when the bytes are not
// the start of a Jet database.
int Surum(const char* veri, qsizetype boy);

// The password kept in the header (empty when none), or a null QString when
// the header is too short to hold it.
QString Parola(const QByteArray& baslik);

// The first bytes of a file, enough for the header block.
QByteArray Oku(const QString& yol);

// Jet's date number to wall time and back: whole days from 30.12.1899, the
// time of day as the fraction, which for earlier days keeps its sign away from zero.
QDateTime TarihSaat(double jet);

// The RC4 stream cipher that masks the header block.
void Rc4(const quint8* anahtar, int anahtarBoyu, quint8* veri, int boy);

}  // namespace Jet::Baslik

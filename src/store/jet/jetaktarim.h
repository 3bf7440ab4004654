#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// Users coming from the Windows program bring their Kovimaro.Vdb, a Jet 4
// file of any schema version up to 53. Copied beside the executable, it is
// taken over at start, before the version check: its tables go into a new
// SQLite file that then replaces it, and the Jet file is kept as it was under
// another name.
namespace JetAktarim {

enum class Sonuc { JetDegil, Aktarildi, YanlisParola, Basarisiz };

// The password the Windows program gave its file.
inline constexpr const char* kParola = "kepl480259";

// When the file at vdbYolu is a Jet file: checks its password, imports it into a new SQLite file
// beside it, renames the Jet file to "<vdbYolu>.jet" and moves the new file into place.
// The progress callback gets (rows done, rows in all) now and then; it may be empty.
//
// JetDegil: no file, or not a Jet file; nothing was touched.
// YanlisParola: a Jet file with another password; nothing was written.
// Basarisiz: the import failed; the Jet file is where it was and no partial file is left.
// When "<vdbYolu>.jet" exists already (an earlier import), the Jet file goes to
// "<vdbYolu>.jet.2", ".jet.3" and so on, so no earlier copy is overwritten.
Sonuc GerekirseAktar(const QString& vdbYolu,
                     const std::function<void(qint64, qint64)>& ilerleme = {});

}  // namespace JetAktarim

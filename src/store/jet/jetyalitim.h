#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>

#include "jetdosyasi.h"

// The reading library was written for files that Access wrote; a damaged or
// hostile file can make it read out of bounds, loop or eat memory. The work
// runs in a child process with limits on time and memory, and its result
// comes back through a pipe.
namespace Jet::Yalitim {

// Runs the work in a forked child and returns the bytes it produced. Raises
// DbHatasi with the child's message when the work raised one, and with a
// message of its own when the child died, overran its limits or took longer
// than the time given.
QByteArray Calistir(const std::function<QByteArray()>& is, int saniye = 60);

QByteArray Kodla(const QStringList& liste);
QStringList ListeCoz(const QByteArray& veri);

}  // namespace Jet::Yalitim

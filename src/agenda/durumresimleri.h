#pragma once

#include <QPixmap>

// The small state pictures of appointment boxes, drawn once on first use.
namespace DurumResimleri {

enum Resim { AlarmAcik = 0, AlarmKapali = 1, Degisti = 2 };

const QPixmap& Al(Resim resim);

}  // namespace DurumResimleri

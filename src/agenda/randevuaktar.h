#pragma once

#include <QString>

class PlanYoneticisi;
class Sorgu;

// Puts the current row of an open query over Ajanda into the schedule
// manager, creating the appointment of its Ajid or replacing the one held.
// Returns the day view's reason when it refuses the row's start and end; the
// manager then stays as it was.
QString RandevuAktar(PlanYoneticisi& yonetici, const Sorgu& q);

// A refused row as the user is told about it: the reason, then the row's
// start and description.
QString ReddedilenSatir(const QString& neden, const Sorgu& q);

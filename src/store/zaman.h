#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The one clock of the program. Everything that asks "what time is it"
// (alarms, the opening message, default dates) asks here, so that tests can
// set the clock and move it on.
namespace Zaman {

QDateTime Simdi();
QDate Bugun();
QTime SuAn();

// Tests only: pin the clock at a moment, move it, or give it back to the wall clock.
void Ayarla(const QDateTime& an);
void Ilerlet(qint64 saniye);
void Serbest();

// The zero date stands for a missing date in stored rows.
QDate SifirTarih();
QDateTime SifirTarihSaat();

}  // namespace Zaman

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// One appointment as the day view holds it in memory.
struct Randevu {
    QString kimlik;  // Ajid
    QDateTime baslangic;
    QDateTime bitis;
    QString aciklama;
    bool alarmAcik = false;
    int alarmOnce = 0;     // minutes; kept for the row, nothing reads it
    bool degisti = false;  // moved in the view and not stored
    QStringList planlar;
};

// The day view's check of a start and an end. An end within the first second
// after midnight stands for the end of that day (23:59:59). Returns the empty
// text when the span is accepted, else the reason: "Invalid start and end
// dates" when the end day lies before the start day, "Invalid start and end
// times" when on one day the end is not after the start.
QString RandevuZamaniDenetle(const QDateTime& baslangic, QDateTime& bitis);

// A stored time of day: "10:30:00", "10:30", "9:05" or a full date-time text;
// anything else reads as 00:00:00.
QTime SaatOku(const QString& metin);

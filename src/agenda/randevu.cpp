#include "randevu.h"

QString RandevuZamaniDenetle(const QDateTime& baslangic, QDateTime& bitis) {
    if (bitis.time().msecsSinceStartOfDay() < 1000) bitis.setTime(QTime(23, 59, 59));
    if (bitis.date() < baslangic.date()) return QStringLiteral("Invalid start and end dates");
    if (bitis.date() == baslangic.date() && bitis.time() <= baslangic.time())
        return QStringLiteral("Invalid start and end times");
    return QString();
}

QTime SaatOku(const QString& metin) {
    const QString s = metin.trimmed();
    // A full "yyyy-MM-dd HH:mm:ss" keeps its time part.
    const QString saatKismi = s.size() > 10 && s.at(4) == QLatin1Char('-') ? s.mid(11) : s;
    for (const char* bicim : {"H:mm:ss", "H:mm"}) {
        const QTime t = QTime::fromString(saatKismi, QLatin1String(bicim));
        if (t.isValid()) return t;
    }
    return QTime(0, 0);
}

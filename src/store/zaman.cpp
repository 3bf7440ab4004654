#include "zaman.h"

#include <optional>

namespace {
std::optional<QDateTime>& sabitAn() {
    static std::optional<QDateTime> an;
    return an;
}
}  // namespace

namespace Zaman {

QDateTime Simdi() {
    if (sabitAn()) return *sabitAn();
    return QDateTime::currentDateTime();
}

QDate Bugun() {
    return Simdi().date();
}
QTime SuAn() {
    return Simdi().time();
}

void Ayarla(const QDateTime& an) {
    sabitAn() = an;
}

void Ilerlet(qint64 saniye) {
    if (sabitAn()) *sabitAn() = sabitAn()->addSecs(saniye);
}

void Serbest() {
    sabitAn().reset();
}

QDate SifirTarih() {
    return QDate(1899, 12, 30);
}
QDateTime SifirTarihSaat() {
    return QDateTime(SifirTarih(), QTime(0, 0));
}

}  // namespace Zaman

#include "turkce.h"

#include <QCollator>
#include <cmath>

#include "zaman.h"

namespace Turkce {

const QLocale& Yerel() {
    static const QLocale yerel(QLocale::Turkish, QLocale::Turkey);
    return yerel;
}

namespace {
const QCollator& harmanlayici() {
    static const QCollator c = [] {
        QCollator k(Yerel());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        k.setIgnorePunctuation(false);
        return k;
    }();
    return c;
}
}  // namespace

int Karsilastir(QStringView a, QStringView b) { return harmanlayici().compare(a, b); }

bool Esit(QStringView a, QStringView b) { return Karsilastir(a, b) == 0; }

QString Tarih(const QDate& gun) {
    if (!gun.isValid() || gun == Zaman::SifirTarih()) return QString();
    return gun.toString(QStringLiteral("dd.MM.yyyy"));
}

QString Sayi(double deger, int ondalik) {
    return Yerel().toString(deger, 'f', ondalik);
}

QString Tutar(double deger) {
    // Avoid "-0,00" for tiny negative rounding remainders.
    if (std::fabs(deger) < 0.005) deger = 0.0;
    return Sayi(deger, 2);
}

QString KisaTutar(double deger) {
    double yuvarlak = std::round(deger * 100.0) / 100.0;
    if (yuvarlak == 0.0) return QStringLiteral("0");
    QString s = Sayi(yuvarlak, 2);
    const QChar virgul = Yerel().decimalPoint().at(0);
    if (s.contains(virgul)) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(virgul)) s.chop(1);
    }
    return s;
}

}  // namespace Turkce

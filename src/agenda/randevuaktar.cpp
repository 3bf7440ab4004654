#include "randevuaktar.h"

#include "planyoneticisi.h"
#include "sorgu.h"
#include "turkce.h"

QString RandevuAktar(PlanYoneticisi& yonetici, const Sorgu& q) {
    Randevu r;
    r.kimlik = q.fieldText(QStringLiteral("Ajid"));
    r.baslangic = QDateTime(q.fieldDate(QStringLiteral("Bastar")),
                            SaatOku(q.fieldText(QStringLiteral("Bassaat"))));
    r.bitis = QDateTime(q.fieldDate(QStringLiteral("Bittar")),
                        SaatOku(q.fieldText(QStringLiteral("Bitsaat"))));
    r.aciklama = q.fieldText(QStringLiteral("Aciklama"));
    r.alarmAcik = q.fieldInt(QStringLiteral("Alarmvar")) == 2;
    r.alarmOnce = static_cast<int>(q.fieldInt(QStringLiteral("Alarmonce")));
    const QString plan = QStringLiteral("Kovimaro");
    if (const Randevu* eski = yonetici.Bul(r.kimlik)) r.planlar = eski->planlar;
    if (!r.planlar.contains(plan)) r.planlar.append(plan);
    return yonetici.Yerlestir(std::move(r));
}

QString ReddedilenSatir(const QString& neden, const Sorgu& q) {
    return neden + QLatin1Char('\n') + Turkce::Tarih(q.fieldDate(QStringLiteral("Bastar"))) +
           QLatin1Char(' ') + q.fieldText(QStringLiteral("Bassaat")) + QStringLiteral(" - ") +
           Turkce::Tarih(q.fieldDate(QStringLiteral("Bittar"))) + QLatin1Char(' ') +
           q.fieldText(QStringLiteral("Bitsaat")) + QLatin1Char('\n') +
           q.fieldText(QStringLiteral("Aciklama"));
}

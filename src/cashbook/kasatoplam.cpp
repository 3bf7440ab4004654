#include "kasatoplam.h"

#include <cstdlib>

#include "sorgu.h"

namespace {

// Sums of income and expense over the rows the condition picks; no rows give 0.
void topla(Sorgu& q, const QString& kosul, const QDate& bas, const QDate& son, double* giren,
           double* cikan) {
    q.Close();
    q.clearSql();
    q.addSql(
        QStringLiteral("Select Sum(Giren) As Girtop, Sum(Cikan) As Ciktop From Kasahar Where ") +
        kosul);
    if (bas.isValid()) q.paramDate(QStringLiteral("Bas"), bas);
    q.paramDate(QStringLiteral("Tarih"), son);
    q.Open();
    *giren = q.fieldFloat(QStringLiteral("Girtop"));
    *cikan = q.fieldFloat(QStringLiteral("Ciktop"));
}

const QString kOnceki = QStringLiteral("Tarih < :Tarih");
const QString kGun = QStringLiteral("Tarih = :Tarih");

}  // namespace

KasaToplami KasaToplamlari(Sorgu& q, const QDate& gun) {
    KasaToplami t;
    double giren = 0, cikan = 0;
    topla(q, kOnceki, QDate(), gun, &giren, &cikan);
    t.devir = giren - cikan;
    topla(q, kGun, QDate(), gun, &t.gunGiren, &t.gunCikan);
    q.Close();
    return t;
}

KasaDevirHafizasi::Damga KasaDevirHafizasi::damgaOku(Sorgu& q) {
    q.Close();
    q.clearSql();
    q.addSql(
        QStringLiteral("Select total_changes() As Degisiklik, (Select data_version From "
                       "pragma_data_version) As Veri, "
                       "(Select schema_version From pragma_schema_version) As Sema"));
    q.Open();
    Damga d;
    d.degisiklik = q.fieldInt(QStringLiteral("Degisiklik"));
    d.veri = q.fieldInt(QStringLiteral("Veri"));
    d.sema = q.fieldInt(QStringLiteral("Sema"));
    q.Close();
    return d;
}

KasaToplami KasaDevirHafizasi::Hesapla(Sorgu& q, const QDate& gun) {
    const Damga simdi = damgaOku(q);
    const qint64 uzaklik = gecerli_ ? std::llabs(gun_.daysTo(gun)) : -1;
    kisa_ = gecerli_ && simdi == damga_ && uzaklik <= kEnUzakAdim;
    KasaToplami t;
    double giren = 0, cikan = 0;
    if (kisa_) {
        // The rows before the later day are the rows before the earlier day and
        // the rows between the two, whatever time of day they carry.
        t.devir = devir_;
        if (uzaklik > 0) {
            const QDate bas = qMin(gun_, gun), son = qMax(gun_, gun);
            topla(q, QStringLiteral("(Tarih >= :Bas) And (Tarih < :Tarih)"), bas, son, &giren,
                  &cikan);
            t.devir += (gun > gun_ ? 1.0 : -1.0) * (giren - cikan);
        }
    } else {
        topla(q, kOnceki, QDate(), gun, &giren, &cikan);
        t.devir = giren - cikan;
    }
    topla(q, kGun, QDate(), gun, &t.gunGiren, &t.gunCikan);
    q.Close();
    gecerli_ = true;
    gun_ = gun;
    devir_ = t.devir;
    damga_ = simdi;
    return t;
}

KasaYerlesimi KasaYerlesimiHesapla(int disGenislik, int girenSol) {
    KasaYerlesimi y{};
    y.girenGenislik = disGenislik / 2 - 10;
    y.cikanSol = girenSol + y.girenGenislik + 5;
    y.lCikanSol = y.cikanSol;
    y.eCiktopSol = y.lCikanSol + 150;
    y.lKasatopSol = y.lCikanSol - 120;
    y.eKasatoplamSol = y.lKasatopSol + 150;
    return y;
}

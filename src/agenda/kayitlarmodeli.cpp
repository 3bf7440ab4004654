#include "kayitlarmodeli.h"

#include "sorgu.h"
#include "turkce.h"
#include "zaman.h"

namespace {

struct Sutun {
    const char* alan;
    const char* baslik;
    int genislik;
    bool tarih;
};

const Sutun kSutunlar[] = {
    {"Bastar", "Baş.Tarihi", 89, true},   {"Bassaat", "Baş.Saati", 80, false},
    {"Bittar", "Bit.Tarihi", 86, true},   {"Bitsaat", "Bit.Saati", 76, false},
    {"Aciklama", "Açıklama", 379, false},
};

}  // namespace

KayitlarModeli::KayitlarModeli(const Sorgu& sorgu, QObject* parent)
    : QAbstractTableModel(parent), sorgu_(sorgu) {
    yenile();
}

void KayitlarModeli::yenile() {
    beginResetModel();
    for (int i = 0; i < 5; ++i) sutunlar_[i] = sorgu_.sutunNo(QLatin1String(kSutunlar[i].alan));
    endResetModel();
}

void KayitlarModeli::setGecerliSatir(int satir) {
    if (satir == gecerli_) return;
    const int eski = gecerli_;
    gecerli_ = satir;
    if (eski >= 0) emit headerDataChanged(Qt::Vertical, eski, eski);
    if (gecerli_ >= 0) emit headerDataChanged(Qt::Vertical, gecerli_, gecerli_);
}

int KayitlarModeli::sutunGenisligi(int sutun) {
    return sutun >= 0 && sutun < 5 ? kSutunlar[sutun].genislik : 0;
}

int KayitlarModeli::rowCount(const QModelIndex& ust) const {
    return ust.isValid() || !sorgu_.Active() ? 0 : sorgu_.RecordCount();
}

int KayitlarModeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : 5;
}

QVariant KayitlarModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid() || (rol != Qt::DisplayRole && rol != Qt::ToolTipRole)) return {};
    const int sutun = indeks.column();
    const QVariant& deger = sorgu_.hucre(indeks.row(), sutunlar_[sutun]);
    if (kSutunlar[sutun].tarih) {
        const QDate gun = Sorgu::tarihOku(deger).date();
        return gun == Zaman::SifirTarih() ? QString() : Turkce::Tarih(gun);
    }
    return deger.isNull() ? QString() : deger.toString();
}

QVariant KayitlarModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (rol != Qt::DisplayRole) return {};
    if (yon == Qt::Horizontal)
        return bolum >= 0 && bolum < 5 ? QString::fromUtf8(kSutunlar[bolum].baslik) : QVariant();
    return bolum == gecerli_ ? QStringLiteral("▶") : QString();
}

#include "carimodeli.h"

const std::vector<CariModeli::Sutun>& CariModeli::Sutunlar() {
    static const std::vector<Sutun> s = {
        {"Carikod", QStringLiteral("Cari Kod"), 79},
        {"Unvan", QStringLiteral("Ünvan"), 154},
        {"Yetkili", QStringLiteral("Yetkili"), 97},
        {"Adres1", QStringLiteral("Adres-1"), 109},
        {"Adres2", QStringLiteral("Adres-2"), 117},
        {"Adres3", QStringLiteral("Adres-3"), 107},
        {"Sehir", QStringLiteral("Şehir"), 99},
        {"Telefon1", QStringLiteral("Telefon-1"), 104},
        {"Telefon2", QStringLiteral("Telefon-2"), 107},
        {"Faks", QStringLiteral("Faks"), 69},
        {"Vergida", QStringLiteral("Vergi Dairesi"), 99},
        {"Vergino", QStringLiteral("Vergi No"), 89},
    };
    return s;
}

CariModeli::CariModeli(QObject* parent) : QAbstractTableModel(parent) {
    alanlar_.assign(Sutunlar().size(), -1);
}

void CariModeli::Doldur(MetinTablosu tablo) {
    Bosalt();
    std::vector<int> alanlar;
    for (const Sutun& s : Sutunlar()) alanlar.push_back(tablo.sutunNo(QLatin1String(s.alan)));
    const int n = tablo.satirSayisi();
    // Rows are inserted rather than the model reset, so that the grid keeps
    // the column widths the user left it with.
    if (n > 0) beginInsertRows(QModelIndex(), 0, n - 1);
    tablo_ = std::move(tablo);
    alanlar_ = std::move(alanlar);
    if (n > 0) endInsertRows();
}

void CariModeli::Bosalt() {
    const int n = tablo_.satirSayisi();
    if (n > 0) beginRemoveRows(QModelIndex(), 0, n - 1);
    tablo_ = MetinTablosu();
    alanlar_.assign(Sutunlar().size(), -1);
    if (n > 0) endRemoveRows();
}

int CariModeli::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tablo_.satirSayisi();
}

int CariModeli::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Sutunlar().size());
}

QVariant CariModeli::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return QVariant();
    const int alan = alanlar_[size_t(index.column())];
    if (alan < 0 || index.row() >= tablo_.satirSayisi()) return QVariant();
    if (tablo_.bos(index.row(), alan)) return QVariant();
    return tablo_.metin(index.row(), alan);
}

QVariant CariModeli::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QVariant();
    if (orientation == Qt::Vertical) return QVariant();  // the row indicator has no numbers
    if (section < 0 || section >= int(Sutunlar().size())) return QVariant();
    return Sutunlar()[size_t(section)].baslik;
}

Qt::ItemFlags CariModeli::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

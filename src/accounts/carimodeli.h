#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "metintablosu.h"

// The viewer's grid columns over a snapshot of cards. Each column is bound to
// a result field by name, without regard to case; a column whose field the
// result lacks stays empty, and fields no column names (the sequence number)
// are not shown. Read-only.
class CariModeli : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Sutun {
        const char* alan;
        QString baslik;
        int genislik;
    };
    // Carikod, Unvan, Yetkili, Adres1-3, Sehir, Telefon1-2, Faks, Vergida, Vergino.
    static const std::vector<Sutun>& Sutunlar();

    explicit CariModeli(QObject* parent = nullptr);

    // Takes the cards; the rows are added to the grid at once.
    void Doldur(MetinTablosu tablo);
    void Bosalt();
    const MetinTablosu& tablo() const { return tablo_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    MetinTablosu tablo_;
    std::vector<int> alanlar_;  // grid column -> result column, -1 when absent
};

#pragma once

#include <QAbstractTableModel>

class Sorgu;

// The "Tüm Kayıtlar" grid over the rows of the agenda's list query: start
// date and time, end date and time, description. It reads the query's rows
// as they are; after the query runs again the owner calls yenile().
class KayitlarModeli : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit KayitlarModeli(const Sorgu& sorgu, QObject* parent = nullptr);

    void yenile();

    // The row indicator marks the query's current row.
    void setGecerliSatir(int satir);

    // Column widths of the grid in pixels, left to right.
    static int sutunGenisligi(int sutun);

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

private:
    const Sorgu& sorgu_;
    int gecerli_ = -1;
    int sutunlar_[5] = {-1, -1, -1, -1, -1};  // the query's column of each grid column
};

#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QTableView>
#include <functional>
#include <vector>

class Sorgu;

// One grid column over a field of a statement's result.
struct SorguSutunu {
    QString alan;       // field name in the result
    QString baslik;     // column title
    int genislik = 80;  // width in pixels
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QString(const QVariant&)> bicim;  // empty: the value as text
};

// A read-only table over the rows a statement component holds. The rows stay
// in the component; the model only reads them, so a grid of any size costs
// nothing beyond the statement itself. The vertical header marks the row the
// component's cursor stands on.
class SorguModeli : public QAbstractTableModel {
    Q_OBJECT

public:
    SorguModeli(Sorgu& sorgu, QList<SorguSutunu> sutunlar, QObject* parent = nullptr);

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

    Sorgu& sorgu() const { return *sorgu_; }
    const QList<SorguSutunu>& sutunlar() const { return sutunlar_; }
    // The text a cell shows, as the grid paints it.
    QString hucreMetni(int satir, int sutun) const;

    // Runs a step that closes and re-runs the statement; the grid forgets the
    // old rows before it and reads the new ones after it, even when it fails.
    void yenidenCalistir(const std::function<void()>& adim);
    // The component's cursor moved: the row mark follows it.
    void imlecDegisti();

    // Formats shared by the grids: a stored date as dd.MM.yyyy (the zero date
    // shows as itself, 30.12.1899), and an amount as ",0.##" (1.500 / 12,5).
    static QString TarihBicimi(const QVariant& deger);
    static QString TutarBicimi(const QVariant& deger);

private:
    void sutunlariBul();

    Sorgu* sorgu_;
    QList<SorguSutunu> sutunlar_;
    std::vector<int> alanNo_;  // field index of each column in the result; -1 when missing
    int isaretli_ = -1;        // the row the indicator was last drawn on
};

// A read-only grid over a statement component: whole rows are selected, and
// its current row and the component's cursor are kept in step both ways.
class SorguIzgara : public QTableView {
    Q_OBJECT

public:
    SorguIzgara(Sorgu& sorgu, QList<SorguSutunu> sutunlar, QWidget* parent = nullptr);

    SorguModeli* modeli() const { return model_; }
    Sorgu& sorgu() const { return model_->sorgu(); }

    // Re-runs the statement (see SorguModeli::yenidenCalistir) and shows the cursor.
    void yenidenCalistir(const std::function<void()>& adim);
    // Moves the grid's current row to the component's cursor.
    void imleciGoster();
    bool bos() const;
    // The column widths as the window designs them (before a saved layout applies).
    void genislikleriUygula();

private:
    void satirDegisti(const QModelIndex& yeni, const QModelIndex& eski);

    SorguModeli* model_;
    bool tasiniyor_ = false;
};

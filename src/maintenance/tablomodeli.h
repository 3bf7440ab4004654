#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <vector>

#include "sorgu.h"

class Baglanti;

// The rows of one table of the program's own file, for a grid with default
// settings: one column per field, titled with the field's name, cells
// editable. Edits collect in the row being edited and are written to the file
// when the row is posted (the grid posts on leaving the row and on closing).
class TabloModeli : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TabloModeli(Baglanti& db, QObject* parent = nullptr);

    // Shows every row of the named table: "Select <T>.* From <T>", the name
    // quoted as an identifier. Raises DbHatasi; the grid is then empty.
    void Ac(const QString& tablo);
    // Empties the grid; an unposted row is dropped.
    void Kapat();
    bool acik() const { return !tablo_.isEmpty(); }
    const QString& tablo() const { return tablo_; }

    // Writes the row being edited with one UPDATE of the changed fields. On a
    // failure the row shows its stored values again and DbHatasi is raised.
    void Post();
    bool duzenleniyor() const { return duzenSatiri_ >= 0; }

    // "Adres""ler" -> "\"Adres\"\"ler\""
    static QString Tanimlayici(const QString& ad);

    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    bool setData(const QModelIndex& indeks, const QVariant& deger, int rol = Qt::EditRole) override;

private:
    enum class Tur { Metin, Tamsayi, Ondalik, Tarih };
    struct Alan {
        QString ad;
        Tur tur = Tur::Metin;
        bool anahtar = false;  // the automatic row number: not edited
    };

    void alanlariOku(const QString& tablo, const QStringList& adlar);
    QVariant& hucre(int satir, int sutun);
    const QVariant& hucre(int satir, int sutun) const;
    QString metin(const Alan& alan, const QVariant& deger, bool duzenleme) const;
    // The stored value for a typed text; false when the text does not fit the field.
    bool cevir(const Alan& alan, const QString& yazi, QVariant* deger) const;

    Baglanti& db_;
    QString tablo_;
    std::vector<Alan> alanlar_;
    std::vector<QVariant> hucreler_;  // copy of the rows, row by row; edits land here
    std::vector<qint64> satirNo_;     // each row's rowid, to write it back
    int duzenSatiri_ = -1;
    QHash<int, QVariant> eskiDegerler_;  // column -> stored value of the row being edited
};

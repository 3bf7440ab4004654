#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <vector>

// A read-only snapshot of a result as text, kept compact: every cell's text
// lies in one buffer, so tens of thousands of cards cost a few allocations
// instead of one per cell. NULL stays apart from the empty text.
class MetinTablosu {
public:
    MetinTablosu() = default;
    explicit MetinTablosu(const QStringList& sutunlar) : sutunlar_(sutunlar) {}

    const QStringList& sutunlar() const { return sutunlar_; }
    void setSutunlar(const QStringList& sutunlar) { sutunlar_ = sutunlar; }
    int sutunSayisi() const { return int(sutunlar_.size()); }
    // The column of that name, without regard to case; -1 when there is none.
    int sutunNo(const QString& ad) const;

    // Cells go in row by row, left to right.
    void ekle(QStringView metin);
    void bosEkle();
    void ayir(qsizetype satir, qsizetype karakter);

    int satirSayisi() const;
    QString metin(int satir, int sutun) const;  // NULL reads as the empty text
    QStringView gorunum(int satir, int sutun) const;
    bool bos(int satir, int sutun) const;
    QVariant deger(int satir, int sutun) const;  // NULL: an invalid QVariant

    // Orders the rows by one column in Turkish alphabetical order, NULL first,
    // keeping the order of equal rows.
    void sirala(int sutun);

private:
    int hucre(int satir, int sutun) const;

    QStringList sutunlar_;
    QString metinler_;
    std::vector<quint32> baslar_;
    std::vector<qint32> uzunluklar_;  // -1: NULL
    std::vector<int> sira_;           // row order after sirala(); empty: as read
};

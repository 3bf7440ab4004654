#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <vector>

// A read-only snapshot of a result for showing as text. Cells added one by
// one are kept compact: every cell's text lies in one buffer, so tens of
// thousands of cards cost a few allocations instead of one per cell. Rows of
// values read elsewhere can also be taken over as they are, without copying.
// NULL stays apart from the empty text.
class MetinTablosu {
public:
    MetinTablosu() = default;
    explicit MetinTablosu(const QStringList& sutunlar) : sutunlar_(sutunlar) {}
    // Takes rows of values (text, numbers, dates; an invalid QVariant is NULL).
    static MetinTablosu Degerlerden(const QStringList& sutunlar, QList<QVariantList> satirlar);

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
    // NULL reads as the empty text; numbers and dates as the Turkish formats write them.
    QString metin(int satir, int sutun) const;
    bool bos(int satir, int sutun) const;
    QVariant deger(int satir, int sutun) const;  // the text; NULL: an invalid QVariant

    // Orders the rows by one column in Turkish alphabetical order, NULL first,
    // keeping the order of equal rows.
    void sirala(int sutun);

private:
    int gercekSatir(int satir) const { return sira_.empty() ? satir : sira_[size_t(satir)]; }
    // The cell's text without a copy where the text is stored as such.
    QStringView gorunum(int gercek, int sutun, QString& gecici) const;

    QStringList sutunlar_;
    // Cells added one by one.
    QString metinler_;
    std::vector<quint32> baslar_;
    std::vector<qint32> uzunluklar_;  // -1: NULL
    // Rows taken over.
    QList<QVariantList> degerler_;
    bool degerlerle_ = false;
    std::vector<int> sira_;  // row order after sirala(); empty: as read
};

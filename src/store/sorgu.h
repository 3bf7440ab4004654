#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <vector>

class Baglanti;

// A statement component bound to a connection (Q_Temp and the module windows'
// own): SQL built line by line, parameters by name without regard to case,
// and, for a SELECT, the result rows with a cursor over them.
//
// Dates are stored as text "yyyy-MM-dd HH:mm:ss"; a date parameter is the day
// at midnight, so it equals a stored date of the same day and orders with it.
class Sorgu {
public:
    explicit Sorgu(Baglanti& baglanti);
    Sorgu(const Sorgu&) = delete;
    Sorgu& operator=(const Sorgu&) = delete;

    Baglanti& baglanti() const { return *baglanti_; }

    // SQL text
    void Close();
    void clearSql();
    void addSql(const QString& satir);
    void setSql(const QString& metin);  // clear, then one line
    QString sql() const { return satirlar_.join(QLatin1Char('\n')); }

    // Parameters by name (":Sirano" is "sirano" too).
    void paramDate(const QString& ad, const QDate& gun);
    void paramTime(const QString& ad, const QTime& saat);
    void paramDateTime(const QString& ad, const QDateTime& an);
    void paramText(const QString& ad, const QString& metin);
    void paramInt(const QString& ad, qint64 sayi);
    void paramFloat(const QString& ad, double sayi);
    void paramNull(const QString& ad);

    // Runs the SELECT and stands on its first row; raises DbHatasi.
    void Open();
    // Runs a statement without rows; returns the rows affected; raises DbHatasi.
    int Execute();
    // The rows the last Execute changed.
    int RowsAffected() const { return etkilenen_; }
    // Runs the open SELECT again and stands on its first row.
    void Requery();
    bool Active() const { return aktif_; }

    // Fields of the current row; NULL reads as 0, the empty text or the zero date.
    qint64 fieldInt(const QString& ad) const;
    double fieldFloat(const QString& ad) const;
    QString fieldText(const QString& ad) const;
    QDateTime fieldDateTime(const QString& ad) const;
    QDate fieldDate(const QString& ad) const;
    bool fieldIsNull(const QString& ad) const;
    QVariant value(const QString& ad) const;
    bool hasField(const QString& ad) const { return sutunNo(ad) >= 0; }

    // Cursor
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const;
    bool Bof() const;
    int RecordCount() const { return satirSayisi_; }
    int RecNo() const { return imlec_; }  // 0-based; -1 with no rows
    void setRecNo(int satir);
    // Moves to the first row whose column equals the value (text without regard
    // to case unless asked); leaves the cursor where it was and returns false
    // when none does.
    bool Locate(const QString& ad, const QVariant& deger,
                Qt::CaseSensitivity harf = Qt::CaseInsensitive);

    // Raw access for grid models.
    int fieldCount() const { return sutunlar_.size(); }
    QStringList fieldNames() const { return sutunlar_; }
    int sutunNo(const QString& ad) const;
    QVariant hucre(int satir, int sutun) const;
    qint64 lastInsertId() const { return sonEklenen_; }

    // Converts between stored text and dates.
    static QString tarihMetni(const QDateTime& an);
    static QDateTime tarihOku(const QVariant& deger);

private:
    void calistir(bool satirlarAl);
    QVariant alan(const QString& ad) const;

    // A cell as SQLite gave it; texts and blobs live in one buffer, so a large
    // result costs one allocation instead of one per cell.
    struct Hucre {
        int tip = 0;  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL
        int uzunluk = 0;
        union {
            qint64 tam;
            double ondalik;
            qint64 konum;
        };
    };
    QVariant degeri(const Hucre& h) const;

    Baglanti* baglanti_;
    QStringList satirlar_;
    QHash<QString, QVariant> parametreler_;  // key: lower-case name without ':'
    QStringList sutunlar_;
    QHash<QString, int> sutunIndeksi_;  // lower-case name -> column
    std::vector<Hucre> hucreler_;
    QByteArray metinler_;
    int satirSayisi_ = 0;
    int imlec_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    bool aktif_ = false;
    qint64 sonEklenen_ = 0;
    int etkilenen_ = 0;
};

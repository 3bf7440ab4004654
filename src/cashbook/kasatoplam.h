#pragma once

#include <QDate>

class Sorgu;

// The four figures of a cash-book day.
struct KasaToplami {
    double devir = 0.0;     // carried over from every earlier day
    double gunGiren = 0.0;  // the day's income
    double gunCikan = 0.0;  // the day's expenses
    double kasa() const { return devir + gunGiren - gunCikan; }
};

// The totals of day gun over every row of the cash book, whatever the grids
// show: rows with the zero date count in every later day's carried balance.
KasaToplami KasaToplamlari(Sorgu& q, const QDate& gun);

// The same totals, remembering the last day's carried balance: a step of a
// day, or of a few, only reads the days in between instead of every earlier
// row. The remembered balance serves only while the file is unchanged (the
// connection's change count, the file's data and schema versions); after any
// change, or for a far jump, it is counted afresh.
class KasaDevirHafizasi {
public:
    KasaToplami Hesapla(Sorgu& q, const QDate& gun);
    void Unut() { gecerli_ = false; }
    // Whether the last Hesapla used the remembered balance (for tests and benchmarks).
    bool sonHesapKisaydi() const { return kisa_; }

    // Days farther than this from the remembered one are counted afresh.
    static constexpr int kEnUzakAdim = 366;

private:
    struct Damga {
        qint64 degisiklik = -1, veri = -1, sema = -1;
        bool operator==(const Damga& o) const {
            return degisiklik == o.degisiklik && veri == o.veri && sema == o.sema;
        }
    };
    static Damga damgaOku(Sorgu& q);

    bool gecerli_ = false;
    bool kisa_ = false;
    QDate gun_;
    double devir_ = 0.0;
    Damga damga_;
};

// Where the cash book's grids and totals stand for a window of outer width
// disGenislik: the two grids share the width with a 5-pixel gap, "Çıkan
// Toplamı" starts under the expense grid, "Kasa Toplamı" 120 pixels further
// left, and each value 150 pixels right of its label.
struct KasaYerlesimi {
    int girenGenislik;  // and the expense grid's width
    int cikanSol;
    int lCikanSol;
    int eCiktopSol;
    int lKasatopSol;
    int eKasatoplamSol;
};
KasaYerlesimi KasaYerlesimiHesapla(int disGenislik, int girenSol);

#pragma once

#include "kasatoplam.h"
#include "modulpencere.h"
#include "sorgu.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class SorguIzgara;
class TarihAlani;

// The cash book ("Kasa Hareketleri ..."), one day at a time: the day's income
// on the left, its expenses on the right, the balance carried over from every
// earlier day, the day's totals and the cash total. Change and delete act on
// the grid that last had the focus; the buttons never take it.
class TFKasahar : public ModulPencere {
    Q_OBJECT

public:
    explicit TFKasahar(QWidget* parent = nullptr);

    Sorgu Q_Giren;
    Sorgu Q_Cikan;

    TarihAlani* ETarih;
    QToolButton* SOnceki;
    QToolButton* SSonraki;
    QGroupBox* GrGiren;
    QGroupBox* GrCikan;
    SorguIzgara* DbGiren;
    SorguIzgara* DbCikan;
    QLabel* EDevirtop;
    QLabel* EGirtop;
    QLabel* ECiktop;
    QLabel* EKasatoplam;
    QLabel* LGiren;
    QLabel* LCikan;
    QLabel* LKasatop;
    QPushButton* BYeni;
    QPushButton* BDuzelt;
    QPushButton* BSil;
    QPushButton* BCikis;

    // The day shown (the date rule: a field that is not a date is the zero date).
    QDate Gun() const;
    // Reads both lists of the day shown, then its totals.
    void KasaYukle();
    // Recomputes and shows the four totals of the day shown.
    void KasaToplamlariniGoster();
    const KasaToplami& toplamlar() const { return toplam_; }

    void SOncekiClick();
    void SSonrakiClick();
    void BYeniClick();
    void BDuzeltClick();
    void BSilClick();
    void BCikisClick();

protected:
    void showEvent(QShowEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void FormResize();
    void listeleriYenile();
    // The Sirano of the current row of the grid that holds the focus; 0 when none.
    qint64 aktifSirano() const;

    KasaDevirHafizasi devir_;
    KasaToplami toplam_;
    QLabel* LTarih;
    QLabel* LDevir;
    bool acildi_ = false;
};

#pragma once

#include "modulpencere.h"

class CariModeli;
class QPushButton;
class QTableView;

// "Cari Hesaplar ...": the customer and supplier cards of the linked
// accounting program, read when the window is first shown and listed by
// title, read-only. A module window of the main window.
class TFCarikartlar : public ModulPencere {
    Q_OBJECT

public:
    explicit TFCarikartlar(QWidget* parent = nullptr);

    // Reads the link values and fills the list; a failure leaves it empty
    // with the warning shown.
    void CarileriYukle();
    void BCikisClick();

    CariModeli* model() const { return model_; }

protected:
    void showEvent(QShowEvent* olay) override;

private:
    QTableView* DbAdresler;
    QPushButton* BCikis;
    CariModeli* model_;
    bool yuklendi_ = false;
};

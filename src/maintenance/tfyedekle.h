#pragma once

#include "modulpencere.h"

class QPushButton;
class TabloModeli;
class VeriIzgarasi;

// The backup window: the backups recorded so far, and a start button that
// does nothing yet (no backup is performed by the program).
class TFYedekle : public ModulPencere {
    Q_OBJECT

public:
    explicit TFYedekle(QWidget* parent = nullptr);

    void YedekleriGoster();
    void BYedekleClick();
    void BCikisClick();

protected:
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;

private:
    TabloModeli* Q_Yedekler;
    VeriIzgarasi* DbYedekler;
    bool gosterildi_ = false;
};

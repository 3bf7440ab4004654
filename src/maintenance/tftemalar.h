#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The skin chooser. A click in the list restyles every window at once as a
// preview; "Kaydet" keeps the choice in Params, "Çıkış" after a preview asks
// whether to drop it and go back to the skin of the opening.
class TFTemalar : public QDialog {
    Q_OBJECT

public:
    explicit TFTemalar(QWidget* parent = nullptr);

    void SkinlistClick();
    void BKaydetClick();
    void BCikisClick();
    void STemalarClick();

    // True once the list was clicked while the window is open.
    bool degisti() const { return degisti_; }
    const QString& acilistakiTema() const { return acilistakiTema_; }

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void FormShow();

    QListWidget* Skinlist;
    QPushButton* BKaydet;
    QPushButton* BCikis;
    QPushButton* STemalar;
    QString acilistakiTema_;
    bool degisti_ = false;
    bool gosterildi_ = false;
};

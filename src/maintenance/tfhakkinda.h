#pragma once

#include <QDialog>

class QLabel;
class QGroupBox;
class QPushButton;

// The about box: program name, production date, version, the defined keys,
// the program's path, the operating system and the maker's contact details.
// Shift+F7 and then Ctrl+F6 on its "Çıkış" button open the management panel.
class TFHakkinda : public QDialog {
    Q_OBJECT

public:
    explicit TFHakkinda(QWidget* parent = nullptr);

    // Armed by Shift+F7; stays armed for the rest of this showing.
    bool kurulu() const { return kurulu_; }

    // The operating system's name and its folder, as the system reports them.
    static QString SistemAdi();
    static QString SistemKlasoru();

    void reject() override;

protected:
    void showEvent(QShowEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void FormShow();
    void BCikisKeyDown(int tus, Qt::KeyboardModifiers tuslar);

    QLabel* Ltuslar;
    QLabel* LSurum;
    QLabel* Lprogram;
    QLabel* LWindows;
    QGroupBox* Grsirket;
    QGroupBox* Grdegisiklik;
    QPushButton* BCikis;
    bool kurulu_ = false;
};

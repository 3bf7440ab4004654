#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;
class Sorgu;

// The backup definitions: the user's customer code with the maker, the folder
// of the maker's accounting program and the list of files to back up. The
// list box is a working copy; the file changes only on "Kaydet".
class TFTanimyedek : public QDialog {
    Q_OBJECT

public:
    explicit TFTanimyedek(QWidget* parent = nullptr);
    ~TFTanimyedek() override;

    void YedekParametreleriGoster();
    void YedekDosyalariGoster();
    void YedekTanimlariKaydet();

    void BEkleClick();
    void BSilClick();
    void BKaydetClick();
    void BCikisClick();

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void FormShow();

    QLineEdit* EMusterikodu;
    QLineEdit* EZafodizin;
    QListWidget* EDosyalar;
    QPushButton* BEkle;
    QPushButton* BSil;
    QPushButton* BKaydet;
    QPushButton* BCikis;
    std::unique_ptr<Sorgu> Q_Temp;
    std::unique_ptr<Sorgu> Q_Temp2;
    bool gosterildi_ = false;
};

#pragma once

#include <QDialog>

#include "parametreler.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class RadyoGrubu;

// A file name with a button that opens the file dialog.
class DosyaAlani : public QWidget {
    Q_OBJECT

public:
    explicit DosyaAlani(QWidget* parent = nullptr);
    QLineEdit* alan() const { return alan_; }
    // Where the dialog starts when the field is empty.
    void setVarsayilanKlasor(const QString& klasor) { varsayilan_ = klasor; }
    void dosyaSec();

private:
    QLineEdit* alan_;
    QPushButton* dugme_;
    QString varsayilan_;
};

// "Çalışma Parametreleri ...": the user's details and the link to the
// accounting program, with a test of each kind of link. A modal dialog; it
// writes Params only when "Kaydet" is pressed.
class TFParametreler : public QDialog {
    Q_OBJECT

public:
    explicit TFParametreler(QWidget* parent = nullptr);

    void ParametreleriGoster();
    void ParametreleriKaydet();  // raises DbHatasi
    void ETicariprogramClick();
    void SKontroletClick();
    void BLogokontrolClick();
    void BKaydetClick();
    void BCikisClick();

    // The values as the controls hold them.
    Parametreler::Degerler degerler() const;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void kur();

    QLineEdit* Eisim;
    QLineEdit* ESirket;
    QLineEdit* EPosta;
    RadyoGrubu* ETicariprogram;
    QGroupBox* GrZafo;
    DosyaAlani* EZafosirket;
    QPushButton* SKontrolet;
    QGroupBox* GrLogo;
    QLineEdit* ELogoserver;
    QLineEdit* ELogoveritab;
    QLineEdit* ELogokullanici;
    QLineEdit* ELogosifre;
    QLineEdit* ELogosirket;
    QPushButton* BLogokontrol;
    QPushButton* BKaydet;
    QPushButton* BCikis;
    QString progdizin_;
    bool gosterildi_ = false;
};

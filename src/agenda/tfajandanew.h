#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class TarihAlani;

// The appointment entry window ("Kayıt girişi ..."): start and end, a
// description and an optional alarm day, hour and minute. It only holds the
// fields and tidies the alarm time; the agenda window fills it and stores it.
// Result: 1 after "Kaydet", -1 after "Çıkış".
class TFAjandanew : public QDialog {
    Q_OBJECT

public:
    explicit TFAjandanew(QWidget* parent = nullptr);

    // The width of Ajanda.Aciklama: a longer description would not be stored.
    static constexpr int kAciklamaUzunlugu = 150;

    // Tidies EUyarisaat and EUyaridak; shows the message and returns false
    // when one of them is not a whole number.
    bool UyariSaatiDuzenle();

    // The description as stored: lines joined by line breaks.
    QString aciklama() const;

    TarihAlani* EBastar;
    QTimeEdit* EBassaat;
    QSpinBox* EDakika;
    TarihAlani* EBittar;
    QTimeEdit* EBitsaat;
    QPlainTextEdit* EAciklama;
    QCheckBox* EUyari;
    TarihAlani* EUyarigun;
    QLineEdit* EUyarisaat;
    QLineEdit* EUyaridak;
    QPushButton* BKaydet;
    QPushButton* BCikis;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void BKaydetClick();
    void BCikisClick();
    void EDakikaDegisti(int dakika);
};

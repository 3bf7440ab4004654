#pragma once

#include <QDialog>

#include "sorgu.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TarihAlani;

// The alarm window ("Dikkat ! ..."): the due appointment's description, and
// either dismissing the alarm or setting it again for a new day and time.
// It stays above every other window and takes the focus when it appears.
// It writes through a statement component of its own, since the check holds
// its rows open on the data module's one while the window is shown.
class TFAjandaalarm : public QDialog {
    Q_OBJECT

public:
    explicit TFAjandaalarm(QWidget* parent = nullptr);

    // Stores the description and the alarm of the row the window shows.
    // Returns false when the alarm hour or minute is not a whole number.
    bool AlarmKaydet();
    // Tidies the hour and minute boxes; false (with the message shown) when
    // one of them is not a whole number.
    bool UyariSaatiDuzenle();

    QString ajid;
    QPlainTextEdit* EMesaj;
    QCheckBox* EUyari;
    TarihAlani* EUyarigun;
    QLineEdit* EUyarisaat;
    QLineEdit* EUyaridak;
    QPushButton* BCikis;
    Sorgu Q_Temp;

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void BCikisClick();
};

#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class Baglanti;
class QPushButton;
class Sorgu;

// An entry window: a modal dialog that creates or changes one row of one
// table. The caller sets Sirano and Islem, runs exec() and reads the result:
// 1 saved, -1 left with "Çıkış - Esc", 0 closed with the title bar's box.
//
// Enter and the Up and Down arrows walk the fields in their order (wrapping at
// both ends), Enter on a button presses it, F9 saves and Esc leaves without a
// question. Multi-line fields keep Enter and the arrows for their text.
class GirisPencere : public QDialog {
    Q_OBJECT

public:
    // ad: the window's object name ("FAdreslernew"); baslik: its title.
    GirisPencere(const QString& ad, const QString& baslik, Baglanti& db, Sorgu& qTemp,
                 QWidget* parent = nullptr);

    int Sirano = 0;  // the row to change; 0 for a new row
    int Islem = 1;   // 1 new row, 2 change the row Sirano

    QPushButton* BKaydet;
    QPushButton* BCikis;

    // Fills the fields: the new-entry defaults, or the row Sirano. Runs when
    // the window is first shown; a missing row turns it into a new entry.
    void Goster();
    // Validates and saves; closes with 1 when the row was written.
    void BKaydetClick();
    void BCikisClick();

    // The controls in focus order, as Enter and the arrows walk them.
    const QList<QWidget*>& odakSirasi() const { return sira_; }

protected:
    // What each module adds to the pattern.
    virtual void yeniKayitDegerleri() {}  // the new-entry defaults
    virtual QStringList yuklemeSql() const = 0;
    virtual void alanlariDoldur(const Sorgu& q) = 0;
    // The row to change is gone: the window goes on as a new entry, the
    // fields as they are unless the module says otherwise.
    virtual void satirBulunamadi() {}
    // The row changed in the window went away before it was saved: what was
    // typed is stored as a new row; the module gives it a key of its own.
    virtual void yeniSatirAnahtari() {}
    virtual bool Kontrol() = 0;  // shows its own message when it refuses
    virtual QStringList eklemeSql() const = 0;
    virtual QStringList guncellemeSql() const = 0;
    virtual void parametreleriDoldur(Sorgu& q) const = 0;
    // Runs the prepared statement; true closes the window as saved. A failure
    // is raised to the caller, and the window stays open with its contents.
    virtual bool calistir(Sorgu& q);

    // Saving a change reached no row; see yeniSatirAnahtari.
    bool degisikligiYeniSatirYap(Sorgu& q);

    // The focus order; every control but the multi-line ones (tussuz) gets the key handling.
    void setOdakSirasi(const QList<QWidget*>& sira, const QList<QWidget*>& tussuz = {});

    Baglanti& db() const { return *db_; }
    Sorgu& qTemp() const { return *qTemp_; }

    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void odakTasi(QWidget* nereden, int yon);

    Baglanti* db_;
    Sorgu* qTemp_;
    QList<QWidget*> sira_;
    bool gosterildi_ = false;
};

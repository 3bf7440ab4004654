#pragma once

#include <QList>
#include <QStringList>
#include <memory>

#include "modulpencere.h"
#include "sorgu.h"
#include "sorgumodeli.h"

class Baglanti;
class GirisPencere;
class QPushButton;

// A list window: one read-only grid over the window's own statement, and the
// four actions new (F7), change (F8 or a double-click), delete (F3, after the
// delete confirmation) and close (Esc). New and change go through the
// module's entry window; after a save or a delete the list is read again and
// the module says which row becomes current.
class ListePencere : public ModulPencere {
    Q_OBJECT

public:
    struct Tanim {
        QString ad;         // object name ("FAdresler")
        QString baslik;     // title ("Adresler")
        QString bolum;      // section in the settings file "Kovimaro"
        QString izgaraAdi;  // the grid's name ("DbAdresler")
        QList<SorguSutunu> sutunlar;
        QSize boyut;  // first size, before a saved placement applies
    };

    ListePencere(const Tanim& tanim, Baglanti& db, Sorgu& qTemp, QWidget* parent = nullptr);
    ~ListePencere() override;

    Sorgu& sorgu() { return sorgu_; }
    SorguIzgara* izgara() const { return izgara_; }

    QPushButton* BYeni;
    QPushButton* BDuzelt;
    QPushButton* BSil;
    QPushButton* BCikis;

    // The load routine: runs the list statement and stands on the last row.
    void Yukle();
    void BYeniClick();
    void BDuzeltClick();
    // After an entry window saved (istenen: 1 new, 2 change): reads the list
    // again and moves to the row the module names.
    void Kaydedildi(const GirisPencere& giris, int istenen);
    void BSilClick();
    void BCikisClick();

protected:
    // What each module adds to the pattern.
    virtual QStringList listeSql() const = 0;
    virtual QString silSql() const = 0;
    virtual std::unique_ptr<GirisPencere> girisPenceresi() = 0;
    // After a saved entry (istenen: 1 new, 2 change, as the list asked for it),
    // with the list read again and standing on its first row.
    virtual void kayittanSonra(const GirisPencere& giris, int istenen) = 0;
    // After a delete, with the list read again and standing on its first row.
    virtual void silmedenSonra(qint64 sirano) = 0;

    Baglanti& db() const { return *db_; }
    Sorgu& qTemp() const { return *qTemp_; }

    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void listeyiCalistir();
    void girisAc(int sirano, int islem);

    Baglanti* db_;
    Sorgu* qTemp_;
    Sorgu sorgu_;
    SorguIzgara* izgara_;
    bool yuklendi_ = false;
};

#pragma once

#include "girispencere.h"

class NotAlani;
class QLineEdit;
class SaatAlani;
class TarihAlani;

// One note ("Not Girişi ..."): a new note starts on today's date and the
// current time; a description or a note text must be given.
class TFNotlarnew : public GirisPencere {
    Q_OBJECT

public:
    explicit TFNotlarnew(QWidget* parent = nullptr);

    TarihAlani* ETarih;
    SaatAlani* ESaat;
    QLineEdit* EAciklama;
    NotAlani* ENot;

    void NotGoster() { Goster(); }
    bool NotKontrol();

protected:
    void yeniKayitDegerleri() override;
    QStringList yuklemeSql() const override;
    void alanlariDoldur(const Sorgu& q) override;
    bool Kontrol() override { return NotKontrol(); }
    QStringList eklemeSql() const override;
    QStringList guncellemeSql() const override;
    void parametreleriDoldur(Sorgu& q) const override;
    void showEvent(QShowEvent* olay) override;
};

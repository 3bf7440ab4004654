#pragma once

#include "girispencere.h"

class QLineEdit;
class SaatAlani;
class TarihAlani;
class TutarAlani;

// One cash movement ("Kasa Hareketi Girişi ..."): exactly one of the two
// amounts is given. Its warnings carry the button "Devam", and a save the
// file refuses is reported here and leaves the window open with what was typed.
class TFKasaharnew : public GirisPencere {
    Q_OBJECT

public:
    explicit TFKasaharnew(QWidget* parent = nullptr);

    TarihAlani* ETarih;
    SaatAlani* ESaat;
    TutarAlani* EGiren;
    TutarAlani* ECikan;
    QLineEdit* EAciklama;

    void KasaHareketiGoster() { Goster(); }
    bool KasaHareketiKontrol();

protected:
    void yeniKayitDegerleri() override;
    QStringList yuklemeSql() const override;
    void alanlariDoldur(const Sorgu& q) override;
    void satirBulunamadi() override;
    bool Kontrol() override { return KasaHareketiKontrol(); }
    QStringList eklemeSql() const override;
    QStringList guncellemeSql() const override;
    void parametreleriDoldur(Sorgu& q) const override;
    bool calistir(Sorgu& q) override;
};

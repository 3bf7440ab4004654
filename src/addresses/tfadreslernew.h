#pragma once

#include "girispencere.h"

class NotAlani;
class QLineEdit;
class TarihAlani;

// One contact of the address book ("Adres Girişi ..."). A new contact gets a
// fresh record key, with which the list finds it after the save.
class TFAdreslernew : public GirisPencere {
    Q_OBJECT

public:
    explicit TFAdreslernew(QWidget* parent = nullptr);

    // The row's record key: made for a new row, read from the row when changing.
    QString Keyvalue;

    QLineEdit *EAd, *ESoyad, *ESirket, *EAdres1, *EAdres2, *EAdres3, *ESemt, *ESehir;
    QLineEdit *ETelefon1, *ETelefon2, *EFaks, *EGsm, *EEposta, *EWeb;
    TarihAlani* EDogumtarihi;
    TarihAlani* EOzeltarih;
    NotAlani* ENot;

    void AdresGoster() { Goster(); }
    bool AdresKontrol();

protected:
    void yeniKayitDegerleri() override;
    QStringList yuklemeSql() const override;
    void alanlariDoldur(const Sorgu& q) override;
    void satirBulunamadi() override;
    void yeniSatirAnahtari() override;
    bool Kontrol() override { return AdresKontrol(); }
    QStringList eklemeSql() const override;
    QStringList guncellemeSql() const override;
    void parametreleriDoldur(Sorgu& q) const override;
};

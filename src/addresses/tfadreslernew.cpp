#include "tfadreslernew.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "alanlar.h"
#include "mesaj.h"
#include "sorgu.h"
#include "udm.h"
#include "veritabani.h"

namespace {

// The text fields and the columns they edit, with the column's width as the limit.
struct MetinAlani {
    QLineEdit* TFAdreslernew::*alan;
    const char* ad;
    const char* sutun;
    int enFazla;
};

const MetinAlani kMetinAlanlari[] = {
    {&TFAdreslernew::EAd, "EAd", "Ad", 25},
    {&TFAdreslernew::ESoyad, "ESoyad", "Soyad", 25},
    {&TFAdreslernew::ESirket, "ESirket", "Sirket", 50},
    {&TFAdreslernew::EAdres1, "EAdres1", "Adres1", 50},
    {&TFAdreslernew::EAdres2, "EAdres2", "Adres2", 50},
    {&TFAdreslernew::EAdres3, "EAdres3", "Adres3", 50},
    {&TFAdreslernew::ESemt, "ESemt", "Semt", 25},
    {&TFAdreslernew::ESehir, "ESehir", "Sehir", 25},
    {&TFAdreslernew::ETelefon1, "ETelefon1", "Telefon1", 15},
    {&TFAdreslernew::ETelefon2, "ETelefon2", "Telefon2", 15},
    {&TFAdreslernew::EFaks, "EFaks", "Faks", 15},
    {&TFAdreslernew::EGsm, "EGsm", "Gsm", 15},
    {&TFAdreslernew::EEposta, "EEposta", "Eposta", 50},
    {&TFAdreslernew::EWeb, "EWeb", "Web", 50},
};

QLabel* etiket(const QString& metin, QWidget* alan, QWidget* sahip) {
    auto* l = new QLabel(metin, sahip);
    l->setBuddy(alan);
    return l;
}

}  // namespace

TFAdreslernew::TFAdreslernew(QWidget* parent)
    : GirisPencere(QStringLiteral("FAdreslernew"), QStringLiteral("Adres Girişi ..."), Dm->DB_Zafo,
                   Dm->Q_Temp, parent) {
    setFixedSize(656, 518);
    for (const MetinAlani& m : kMetinAlanlari) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(m.ad));
        e->setMaxLength(m.enFazla);
        this->*(m.alan) = e;
    }
    EDogumtarihi = new TarihAlani(this);
    EDogumtarihi->setObjectName(QStringLiteral("EDogumtarihi"));
    EOzeltarih = new TarihAlani(this);
    EOzeltarih->setObjectName(QStringLiteral("EOzeltarih"));
    auto* notKutusu = new QGroupBox(QStringLiteral(" Not "), this);
    notKutusu->setObjectName(QStringLiteral("GroupBox1"));
    ENot = new NotAlani(175, notKutusu);
    ENot->setObjectName(QStringLiteral("ENot"));
    ENot->setAccessibleName(QStringLiteral("Not"));
    auto* notDuzen = new QVBoxLayout(notKutusu);
    notDuzen->addWidget(ENot);
    EAdres2->setAccessibleName(QStringLiteral("Adres 2"));
    EAdres3->setAccessibleName(QStringLiteral("Adres 3"));
    ETelefon2->setAccessibleName(QStringLiteral("Telefon 2"));

    auto* sol = new QGridLayout;
    int satir = 0;
    const auto ekle = [&](const QString& baslik, QWidget* alan) {
        if (!baslik.isEmpty()) sol->addWidget(etiket(baslik, alan, this), satir, 0);
        sol->addWidget(alan, satir++, 1);
    };
    ekle(QStringLiteral("Ad"), EAd);
    ekle(QStringLiteral("Soyad"), ESoyad);
    ekle(QStringLiteral("Şirket"), ESirket);
    ekle(QStringLiteral("Adres"), EAdres1);
    ekle(QString(), EAdres2);
    ekle(QString(), EAdres3);
    ekle(QStringLiteral("Semt"), ESemt);
    ekle(QStringLiteral("Şehir"), ESehir);
    ekle(QStringLiteral("Telefon"), ETelefon1);
    ekle(QString(), ETelefon2);
    ekle(QStringLiteral("Faks"), EFaks);
    ekle(QStringLiteral("Gsm"), EGsm);
    ekle(QStringLiteral("E-Posta"), EEposta);
    ekle(QStringLiteral("Web"), EWeb);
    sol->setRowStretch(satir, 1);

    auto* tarihler = new QGridLayout;
    tarihler->addWidget(etiket(QStringLiteral("Doğum Tarihi"), EDogumtarihi, this), 0, 0);
    tarihler->addWidget(EDogumtarihi, 0, 1);
    tarihler->addWidget(etiket(QStringLiteral("Özel Tarih"), EOzeltarih, this), 1, 0);
    tarihler->addWidget(EOzeltarih, 1, 1);
    tarihler->setColumnStretch(2, 1);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    dugmeler->addWidget(BKaydet);
    dugmeler->addWidget(BCikis);
    auto* sag = new QVBoxLayout;
    sag->addLayout(tarihler);
    sag->addWidget(notKutusu, 1);
    sag->addLayout(dugmeler);

    auto* duzen = new QHBoxLayout(this);
    duzen->addLayout(sol, 3);
    duzen->addLayout(sag, 2);

    // The two buttons come before "Özel Tarih" and the note.
    setOdakSirasi(
        {EAd, ESoyad, ESirket, EAdres1, EAdres2, EAdres3, ESemt, ESehir, ETelefon1, ETelefon2,
         EFaks, EGsm, EEposta, EWeb, EDogumtarihi, BKaydet, BCikis, EOzeltarih, ENot},
        {ENot});
}

void TFAdreslernew::yeniKayitDegerleri() {
    Keyvalue = Veritabani::RastgeleAnahtar();
}

void TFAdreslernew::satirBulunamadi() {
    yeniSatirAnahtari();
}

void TFAdreslernew::yeniSatirAnahtari() {
    // The contact went away meanwhile: it is saved anew under a key of its own,
    // by which the list finds it.
    Keyvalue = Veritabani::RastgeleAnahtar();
}

QStringList TFAdreslernew::yuklemeSql() const {
    return {QStringLiteral("Select Adresler.* From Adresler Where (Sirano=:Sirano)")};
}

void TFAdreslernew::alanlariDoldur(const Sorgu& q) {
    for (const MetinAlani& m : kMetinAlanlari)
        (this->*(m.alan))->setText(q.fieldText(QLatin1String(m.sutun)));
    EDogumtarihi->kayittanYukle(q.fieldDate(QStringLiteral("Dogumtarihi")));
    EOzeltarih->kayittanYukle(q.fieldDate(QStringLiteral("Ozeltarih")));
    ENot->setPlainText(q.fieldText(QStringLiteral("Notlar")));
    Keyvalue = q.fieldText(QStringLiteral("Keyvalue"));
}

bool TFAdreslernew::AdresKontrol() {
    // Blanks count as filled: the texts are tested as they stand.
    if (EAd->text().isEmpty() && ESoyad->text().isEmpty() && ESirket->text().isEmpty()) {
        HataGoster(
            QStringLiteral("Ad, Soyad veya Şirket bilgilerinden en az birini girmelisiniz !.."), 0);
        return false;
    }
    return true;
}

QStringList TFAdreslernew::eklemeSql() const {
    return {
        QStringLiteral("Insert Into Adresler (Ad, Soyad, Sirket, Adres1, Adres2, Adres3, Semt, "
                       "Sehir, Telefon1, Telefon2,"),
        QStringLiteral("Faks, Gsm, Eposta, Dogumtarihi, Web, Keyvalue, Notlar, Ozeltarih)"),
        QStringLiteral("Values (:Ad, :Soyad, :Sirket, :Adres1, :Adres2, :Adres3, :Semt, :Sehir, "
                       ":Telefon1, :Telefon2,"),
        QStringLiteral(":Faks, :Gsm, :Eposta, :Dogumtarihi, :Web, :Keyvalue, :Notlar, :Ozeltarih)"),
    };
}

QStringList TFAdreslernew::guncellemeSql() const {
    return {
        QStringLiteral("Update Adresler Set Ad=:Ad, Soyad=:Soyad, Sirket=:Sirket, Adres1=:Adres1, "
                       "Adres2=:Adres2, Adres3=:Adres3,"),
        QStringLiteral("Semt=:Semt, Sehir=:Sehir, Telefon1=:Telefon1, Telefon2=:Telefon2, "
                       "Faks=:Faks, Gsm=:Gsm, Eposta=:Eposta, Dogumtarihi=:Dogumtarihi, Web=:Web,"),
        QStringLiteral("Notlar=:Notlar, Ozeltarih=:Ozeltarih"),
        QStringLiteral("Where ((Keyvalue=:Keyvalue) And (Sirano=:Sirano))"),
    };
}

void TFAdreslernew::parametreleriDoldur(Sorgu& q) const {
    for (const MetinAlani& m : kMetinAlanlari)
        q.paramText(QLatin1String(m.sutun), (this->*(m.alan))->text());
    q.paramText(QStringLiteral("Notlar"), ENot->toPlainText());
    q.paramDate(QStringLiteral("Dogumtarihi"), EDogumtarihi->kayitDegeri());
    q.paramDateTime(QStringLiteral("Ozeltarih"), QDateTime(EOzeltarih->kayitDegeri(), QTime(0, 0)));
    q.paramText(QStringLiteral("Keyvalue"), Keyvalue);
    if (Islem != 1) q.paramInt(QStringLiteral("Sirano"), Sirano);
}

#include "tfkasaharnew.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "alanlar.h"
#include "mesaj.h"
#include "sorgu.h"
#include "udm.h"
#include "zaman.h"

namespace {

// The cash book's warnings: the warning page with the button "Devam".
void DevamUyarisi(const QString& metin) {
    MesajGoster(metin, 2, true, true, true, QStringLiteral("Devam"), QString(), QString(), 0, 1);
}

}  // namespace

TFKasaharnew::TFKasaharnew(QWidget* parent)
    : GirisPencere(QStringLiteral("FKasaharnew"), QStringLiteral("Kasa Hareketi Girişi ..."),
                   Dm->DB_Zafo, Dm->Q_Temp, parent) {
    setFixedSize(525, 229);
    ETarih = new TarihAlani(this);
    ETarih->setObjectName(QStringLiteral("ETarih"));
    ESaat = new SaatAlani(this);
    ESaat->setObjectName(QStringLiteral("ESaat"));
    EGiren = new TutarAlani(this);
    EGiren->setObjectName(QStringLiteral("EGiren"));
    ECikan = new TutarAlani(this);
    ECikan->setObjectName(QStringLiteral("ECikan"));
    EAciklama = new QLineEdit(this);
    EAciklama->setObjectName(QStringLiteral("EAciklama"));
    // As wide as Kasahar.Aciklama: a longer text could not be saved.
    EAciklama->setMaxLength(40);

    auto* alanlar = new QGridLayout;
    int satir = 0;
    const auto ekle = [&](const QString& baslik, QWidget* alan, int genislik) {
        auto* l = new QLabel(baslik, this);
        l->setBuddy(alan);
        alanlar->addWidget(l, satir, 0);
        alanlar->addWidget(alan, satir++, 1, 1, genislik);
    };
    ekle(QStringLiteral("Tarih"), ETarih, 1);
    ekle(QStringLiteral("Saat"), ESaat, 1);
    ekle(QStringLiteral("Giren"), EGiren, 1);
    ekle(QStringLiteral("Çıkan"), ECikan, 1);
    ekle(QStringLiteral("Açıklama"), EAciklama, 2);
    alanlar->setColumnStretch(2, 1);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    dugmeler->addWidget(BKaydet);
    dugmeler->addWidget(BCikis);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(alanlar);
    duzen->addStretch(1);
    duzen->addLayout(dugmeler);

    setOdakSirasi({ETarih, ESaat, EGiren, ECikan, EAciklama, BKaydet, BCikis});
}

void TFKasaharnew::yeniKayitDegerleri() {
    // The day is the one the cash book shows; the caller has put it in.
    ESaat->setSaat(Zaman::SuAn());
}

QStringList TFKasaharnew::yuklemeSql() const {
    return {QStringLiteral("Select Kasahar.* From Kasahar Where Sirano=:Sirano")};
}

void TFKasaharnew::alanlariDoldur(const Sorgu& q) {
    ETarih->kayittanYukle(q.fieldDate(QStringLiteral("Tarih")));
    ESaat->setMetin(q.fieldText(QStringLiteral("Saat")));
    EGiren->setDeger(q.fieldFloat(QStringLiteral("Giren")));
    ECikan->setDeger(q.fieldFloat(QStringLiteral("Cikan")));
    EAciklama->setText(q.fieldText(QStringLiteral("Aciklama")));
}

void TFKasaharnew::satirBulunamadi() {
    // The movement went away meanwhile: a new entry with every field empty.
    ETarih->clear();
    ESaat->clear();
    EGiren->setDeger(0);
    ECikan->setDeger(0);
    EAciklama->clear();
}

bool TFKasaharnew::KasaHareketiKontrol() {
    const bool giren = EGiren->deger() != 0.0;
    const bool cikan = ECikan->deger() != 0.0;
    if (!giren && !cikan) {
        DevamUyarisi(QStringLiteral("Giren veya Çıkan hanelerinden birine değer girmelisiniz."));
        return false;
    }
    if (giren && cikan) {
        DevamUyarisi(
            QStringLiteral("Giren veya Çıkan hanelerinden sadece birine değer girmelisiniz."));
        return false;
    }
    return true;
}

QStringList TFKasaharnew::eklemeSql() const {
    return {
        QStringLiteral("Insert Into Kasahar (Tarih, Saat, Giren, Cikan, Aciklama) Values (:Tarih, "
                       ":Saat, :Giren, :Cikan, :Aciklama)")};
}

QStringList TFKasaharnew::guncellemeSql() const {
    return {
        QStringLiteral("Update Kasahar Set Tarih=:Tarih, Saat=:Saat, Giren=:Giren, Cikan=:Cikan, "
                       "Aciklama=:Aciklama Where Sirano=:Sirano")};
}

void TFKasaharnew::parametreleriDoldur(Sorgu& q) const {
    q.paramDate(QStringLiteral("Tarih"), ETarih->kayitDegeri());
    q.paramText(QStringLiteral("Saat"), ESaat->metin());
    q.paramFloat(QStringLiteral("Giren"), EGiren->deger());
    q.paramFloat(QStringLiteral("Cikan"), ECikan->deger());
    q.paramText(QStringLiteral("Aciklama"), EAciklama->text());
    if (Islem != 1) q.paramInt(QStringLiteral("Sirano"), Sirano);
}

bool TFKasaharnew::calistir(Sorgu& q) {
    try {
        q.Execute();
        return true;
    } catch (const std::exception&) {
        // Nothing was written; the window stays open with what was typed, so
        // that the user can try again or leave with Esc.
        DevamUyarisi(QStringLiteral("Kayıt edilirken bir hata oluştu."));
        return false;
    }
}

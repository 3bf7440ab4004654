#include "tfyedekle.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "pencereparcalari.h"
#include "tablomodeli.h"
#include "udm.h"
#include "uygulama.h"
#include "veriizgarasi.h"

TFYedekle::TFYedekle(QWidget* parent)
    : ModulPencere(
          QStringLiteral("FYedekle"),
          Yerlesim(QStringLiteral("Kovimaro"), QStringLiteral("Yedekleme"), Yerlesim::Depo::Yerel),
          parent) {
    setWindowTitle(QStringLiteral("Yedekleme"));
    resize(783, 540);

    Q_Yedekler = new TabloModeli(Dm->DB_Zafo, this);
    Q_Yedekler->setObjectName(QStringLiteral("Q_Yedekler"));
    DbYedekler = new VeriIzgarasi(Q_Yedekler);
    DbYedekler->setObjectName(QStringLiteral("DbYedekler"));
    auto* BYedekle =
        Pencere::KalinDugme(QStringLiteral("BYedekle"), QStringLiteral("Yedeklemeye Başla"));
    auto* BCikis = Pencere::KalinDugme(QStringLiteral("BCikis"), QStringLiteral("Çıkış"));

    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(DbYedekler, 1);
    duzen->addLayout(Pencere::SagaDayali({BYedekle, BCikis}));

    connect(BYedekle, &QPushButton::clicked, this, &TFYedekle::BYedekleClick);
    connect(BCikis, &QPushButton::clicked, this, &TFYedekle::BCikisClick);
}

void TFYedekle::showEvent(QShowEvent* olay) {
    ModulPencere::showEvent(olay);
    if (gosterildi_) return;
    gosterildi_ = true;
    YedekleriGoster();
}

void TFYedekle::YedekleriGoster() {
    Dm->DB_Zafo.AcmayaCalis();
    try {
        Q_Yedekler->Ac(QStringLiteral("Yedekler"));
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    }
}

// Performing a backup is not part of the program yet.
void TFYedekle::BYedekleClick() {}

void TFYedekle::BCikisClick() {
    kapat();
}

void TFYedekle::closeEvent(QCloseEvent* olay) {
    DbYedekler->Kaydet();
    ModulPencere::closeEvent(olay);
}

#include "tftemalar.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "mesaj.h"
#include "pencereparcalari.h"
#include "tema.h"
#include "udm.h"
#include "uygulama.h"
#include "web.h"

TFTemalar::TFTemalar(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FTemalar"));
    setWindowTitle(QStringLiteral("Temalar ..."));
    setFixedSize(442, 310);

    Skinlist = new QListWidget;
    Skinlist->setObjectName(QStringLiteral("Skinlist"));
    Skinlist->setAccessibleName(QStringLiteral("Program Görünümleri"));
    Skinlist->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* grup = new QGroupBox(QStringLiteral(" Program Görünümleri "));
    grup->setObjectName(QStringLiteral("GrTemalar"));
    auto* grupDuzeni = new QVBoxLayout(grup);
    grupDuzeni->addWidget(Skinlist);

    STemalar =
        Pencere::KalinDugme(QStringLiteral("STemalar"), QStringLiteral("Daha Fazla Tema İndir"));
    BKaydet = Pencere::KalinDugme(QStringLiteral("BKaydet"), QStringLiteral("Kaydet"));
    BCikis = Pencere::KalinDugme(QStringLiteral("BCikis"), QStringLiteral("Çıkış"));
    for (QPushButton* d : {STemalar, BKaydet, BCikis}) d->setAutoDefault(false);

    auto* alt = new QHBoxLayout;
    alt->addWidget(STemalar);
    alt->addStretch(1);
    alt->addWidget(BKaydet);
    alt->addWidget(BCikis);
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(grup, 1);
    duzen->addLayout(alt);

    // A click and a move with the arrow keys both preview the skin.
    connect(Skinlist, &QListWidget::itemClicked, this, &TFTemalar::SkinlistClick);
    connect(Skinlist, &QListWidget::itemSelectionChanged, this, &TFTemalar::SkinlistClick);
    connect(BKaydet, &QPushButton::clicked, this, &TFTemalar::BKaydetClick);
    connect(BCikis, &QPushButton::clicked, this, &TFTemalar::BCikisClick);
    connect(STemalar, &QPushButton::clicked, this, &TFTemalar::STemalarClick);
}

void TFTemalar::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (gosterildi_) return;
    gosterildi_ = true;
    FormShow();
}

void TFTemalar::FormShow() {
    Dm->DB_Zafo.AcmayaCalis();
    TemaYoneticisi& tema = TemaYoneticisi::Ornek();
    acilistakiTema_ = tema.ad();
    Skinlist->clear();
    Skinlist->addItems(tema.Temalar());
    Skinlist->setFocus(Qt::OtherFocusReason);
    degisti_ = false;
}

void TFTemalar::SkinlistClick() {
    degisti_ = true;
    const QList<QListWidgetItem*> secili = Skinlist->selectedItems();
    if (secili.isEmpty()) return;
    const QString ad = secili.first()->text();
    TemaYoneticisi& tema = TemaYoneticisi::Ornek();
    if (ad == tema.ad()) return;
    tema.setAd(ad);
}

void TFTemalar::BKaydetClick() {
    const QList<QListWidgetItem*> secili = Skinlist->selectedItems();
    const QString ad = secili.isEmpty() ? TemaYoneticisi::Ornek().ad() : secili.first()->text();
    Sorgu& q = Dm->Q_Temp;
    q.Close();
    q.setSql(QStringLiteral("Update Params Set Skinname=:Skinname"));
    q.paramText(QStringLiteral("Skinname"), ad);
    // A failed save is shown and the window stays open with the preview.
    try {
        q.Execute();
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
        return;
    }
    done(1);
}

void TFTemalar::BCikisClick() {
    if (!degisti_) {
        done(-1);
        return;
    }
    const int cevap = MesajGoster(
        QStringLiteral(
            "Değiştirdiğiniz temayı kayıt etmediniz. Seçiminizi iptal ederek devam etmek "
            "istiyor musunuz ?.."),
        3, true, true, true, QStringLiteral("Evet"), QStringLiteral("Hayır"),
        QStringLiteral("İptal"), 0, 2);
    if (cevap != 1) return;
    TemaYoneticisi::Ornek().setAd(acilistakiTema_);
    done(-1);
}

void TFTemalar::STemalarClick() {
    try {
        Web::WebSayfasiAc(Dm->DB_Zafo, Dm->Q_Temp, QLatin1String(Web::kTemaSayfasi),
                          QLatin1String(Web::kTemaSorgusu));
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    }
}

#include "tftanimyedek.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "dosyasecimi.h"
#include "pencereparcalari.h"
#include "udm.h"
#include "uygulama.h"
#include "yedektanim.h"

TFTanimyedek::TFTanimyedek(QWidget* parent)
    : QDialog(parent),
      Q_Temp(std::make_unique<Sorgu>(Dm->DB_Zafo)),
      Q_Temp2(std::make_unique<Sorgu>(Dm->DB_Zafo)) {
    setObjectName(QStringLiteral("FTanimyedek"));
    setWindowTitle(QStringLiteral("Yedekleme Tanımları ..."));
    setFixedSize(594, 353);

    EMusterikodu = new QLineEdit;
    EMusterikodu->setObjectName(QStringLiteral("EMusterikodu"));
    EMusterikodu->setAccessibleName(QStringLiteral("Zafo Müşteri Kodu"));
    // The check button has no action yet; it is kept out of the tab order.
    auto* kontrol = new QPushButton(QStringLiteral("Kontrol Et"));
    kontrol->setObjectName(QStringLiteral("BKontrol"));
    kontrol->setFocusPolicy(Qt::NoFocus);
    auto* grMusteri = new QGroupBox(QStringLiteral(" Zafo Müşteri Kodu "));
    grMusteri->setObjectName(QStringLiteral("GrMusteri"));
    auto* musteriDuzeni = new QHBoxLayout(grMusteri);
    musteriDuzeni->addWidget(EMusterikodu, 1);
    musteriDuzeni->addWidget(kontrol);

    EZafodizin = new QLineEdit;
    EZafodizin->setObjectName(QStringLiteral("EZafodizin"));
    EZafodizin->setAccessibleName(QStringLiteral("Zafo Programının Yüklendiği Dizin"));
    EZafodizin->setMaxLength(255);
    QAction* gozat = EZafodizin->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                           QLineEdit::TrailingPosition);
    gozat->setObjectName(QStringLiteral("EZafodizinGozat"));
    gozat->setToolTip(QStringLiteral("Dizin Seç"));
    connect(gozat, &QAction::triggered, this, [this] {
        // Browsing starts at the desktop.
        const QString klasor =
            DosyaSecimi::Klasor(this, QStringLiteral("Zafo Programının Yüklendiği Dizin"),
                                QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        if (!klasor.isEmpty()) EZafodizin->setText(klasor);
    });
    auto* grDizin = new QGroupBox(QStringLiteral("Zafo Programının Yüklendiği Dizin "));
    grDizin->setObjectName(QStringLiteral("GrDizin"));
    auto* dizinDuzeni = new QHBoxLayout(grDizin);
    dizinDuzeni->addWidget(EZafodizin);

    EDosyalar = new QListWidget;
    EDosyalar->setObjectName(QStringLiteral("EDosyalar"));
    EDosyalar->setAccessibleName(QStringLiteral("Yedeklenecek Dosyalar"));
    BEkle = Pencere::KalinDugme(QStringLiteral("BEkle"), QStringLiteral("Ekle"));
    BSil = Pencere::KalinDugme(QStringLiteral("BSil"), QStringLiteral("Çıkar"));
    auto* grDosyalar = new QGroupBox(QStringLiteral(" Yedeklenecek Dosyalar  "));
    grDosyalar->setObjectName(QStringLiteral("GrDosyalar"));
    auto* dosyaDuzeni = new QHBoxLayout(grDosyalar);
    dosyaDuzeni->addWidget(EDosyalar, 1);
    auto* dosyaDugmeleri = new QVBoxLayout;
    dosyaDugmeleri->addWidget(BEkle);
    dosyaDugmeleri->addWidget(BSil);
    dosyaDugmeleri->addStretch(1);
    dosyaDuzeni->addLayout(dosyaDugmeleri);

    auto* sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("SYedekleme"));
    auto* sayfaDuzeni = new QVBoxLayout(sayfa);
    auto* ust = new QHBoxLayout;
    ust->addWidget(grMusteri, 2);
    ust->addWidget(grDizin, 3);
    sayfaDuzeni->addLayout(ust);
    sayfaDuzeni->addWidget(grDosyalar, 1);
    auto* sayfalar = new QTabWidget;
    sayfalar->setObjectName(QStringLiteral("Sayfalar"));
    sayfalar->addTab(sayfa, QStringLiteral("Yedekleme"));

    BKaydet = Pencere::KalinDugme(QStringLiteral("BKaydet"), QStringLiteral("Kaydet"));
    BCikis = Pencere::KalinDugme(QStringLiteral("BCikis"), QStringLiteral("Çıkış"));
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(sayfalar, 1);
    duzen->addLayout(Pencere::SagaDayali({BKaydet, BCikis}));

    connect(BEkle, &QPushButton::clicked, this, &TFTanimyedek::BEkleClick);
    connect(BSil, &QPushButton::clicked, this, &TFTanimyedek::BSilClick);
    connect(BKaydet, &QPushButton::clicked, this, &TFTanimyedek::BKaydetClick);
    connect(BCikis, &QPushButton::clicked, this, &TFTanimyedek::BCikisClick);
}

TFTanimyedek::~TFTanimyedek() = default;

void TFTanimyedek::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (gosterildi_) return;
    gosterildi_ = true;
    FormShow();
}

void TFTanimyedek::FormShow() {
    Dm->DB_Zafo.AcmayaCalis();
    try {
        YedekParametreleriGoster();
        YedekDosyalariGoster();
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    }
}

void TFTanimyedek::YedekParametreleriGoster() {
    const YedekTanim::Parametreler p = YedekTanim::ParametreleriOku(*Q_Temp);
    EMusterikodu->setText(p.musterikod);
    EZafodizin->setText(p.progdizin);
}

void TFTanimyedek::YedekDosyalariGoster() {
    EDosyalar->clear();
    EDosyalar->addItems(YedekTanim::DosyalariOku(*Q_Temp));
}

void TFTanimyedek::BEkleClick() {
    const QString dosya =
        DosyaSecimi::AcilacakDosya(this, QStringLiteral("Yedeklenecek Dosyayı Seçin"), QString());
    if (dosya.isEmpty() || !QFileInfo::exists(dosya)) return;
    for (int i = 0; i < EDosyalar->count(); ++i)
        if (EDosyalar->item(i)->text() == dosya) return;
    EDosyalar->addItem(dosya);
}

void TFTanimyedek::BSilClick() {
    const QList<QListWidgetItem*> secili = EDosyalar->selectedItems();
    if (secili.isEmpty()) return;
    delete secili.first();
}

void TFTanimyedek::YedekTanimlariKaydet() {
    QStringList dosyalar;
    for (int i = 0; i < EDosyalar->count(); ++i) dosyalar << EDosyalar->item(i)->text();
    YedekTanim::Kaydet(*Q_Temp, *Q_Temp2, EMusterikodu->text(), EZafodizin->text(), dosyalar);
}

void TFTanimyedek::BKaydetClick() {
    // A failing step is shown and the window stays open with the list as it is.
    try {
        YedekTanimlariKaydet();
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
        return;
    }
    done(1);
}

void TFTanimyedek::BCikisClick() {
    done(-1);
}

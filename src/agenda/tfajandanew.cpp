#include "tfajandanew.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "alanlar.h"
#include "durumresimleri.h"
#include "metinsiniri.h"
#include "turkce.h"
#include "uyarisaati.h"
#include "uygulama.h"

namespace {

QLabel* etiket(const QString& metin, QWidget* alan, QWidget* ebeveyn) {
    auto* l = new QLabel(metin, ebeveyn);
    l->setBuddy(alan);
    return l;
}

QLabel* resim(const QPixmap& pm, QWidget* ebeveyn) {
    auto* l = new QLabel(ebeveyn);
    l->setPixmap(pm);
    l->setAlignment(Qt::AlignTop);
    return l;
}

QTimeEdit* saatKutusu(const QString& ad, QWidget* ebeveyn) {
    auto* t = new QTimeEdit(ebeveyn);
    t->setObjectName(ad);
    t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return t;
}

}  // namespace

TFAjandanew::TFAjandanew(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FAjandanew"));
    setWindowTitle(QStringLiteral("Kayıt girişi ..."));
    QFont yazi = font();
    yazi.setPixelSize(13);
    setFont(yazi);

    EBastar = new TarihAlani(this);
    EBastar->setObjectName(QStringLiteral("EBastar"));
    EBassaat = saatKutusu(QStringLiteral("EBassaat"), this);
    EBassaat->setAccessibleName(QStringLiteral("Başlangıç saati"));
    EDakika = new QSpinBox(this);
    EDakika->setObjectName(QStringLiteral("EDakika"));
    EDakika->setButtonSymbols(QAbstractSpinBox::NoButtons);
    EDakika->setLocale(Turkce::Yerel());
    EDakika->setGroupSeparatorShown(true);
    EDakika->setRange(1, 99999);
    EDakika->setValue(25);
    EDakika->setAlignment(Qt::AlignRight);
    EDakika->setToolTip(QStringLiteral("Bitiş, başlangıçtan bu kadar dakika sonra olur"));
    EBittar = new TarihAlani(this);
    EBittar->setObjectName(QStringLiteral("EBittar"));
    EBitsaat = saatKutusu(QStringLiteral("EBitsaat"), this);
    EBitsaat->setAccessibleName(QStringLiteral("Bitiş saati"));
    EAciklama = new QPlainTextEdit(this);
    EAciklama->setObjectName(QStringLiteral("EAciklama"));
    EAciklama->setLineWrapMode(QPlainTextEdit::NoWrap);
    EAciklama->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    EAciklama->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    EAciklama->setTabChangesFocus(true);
    EUyari = new QCheckBox(QStringLiteral("Önceden Uyarı Olsun"), this);
    EUyari->setObjectName(QStringLiteral("EUyari"));
    EUyarigun = new TarihAlani(this);
    EUyarigun->setObjectName(QStringLiteral("EUyarigun"));
    EUyarisaat = new QLineEdit(this);
    EUyarisaat->setObjectName(QStringLiteral("EUyarisaat"));
    EUyaridak = new QLineEdit(this);
    EUyaridak->setObjectName(QStringLiteral("EUyaridak"));
    for (QLineEdit* e : {EUyarisaat, EUyaridak}) {
        e->setMaxLength(2);
        e->setMaximumWidth(40);
        e->setAlignment(Qt::AlignCenter);
    }
    BKaydet = new QPushButton(QStringLiteral("Kaydet"), this);
    BKaydet->setObjectName(QStringLiteral("BKaydet"));
    BCikis = new QPushButton(QStringLiteral("Çıkış"), this);
    BCikis->setObjectName(QStringLiteral("BCikis"));
    for (QPushButton* b : {BKaydet, BCikis}) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }

    auto* zaman = new QGroupBox(this);
    auto* zl = new QGridLayout(zaman);
    zl->addWidget(etiket(QStringLiteral("Başlangıç"), EBastar, zaman), 0, 0);
    zl->addWidget(EBastar, 0, 1);
    zl->addWidget(EBassaat, 0, 2);
    zl->addWidget(etiket(QStringLiteral("+"), EDakika, zaman), 0, 3);
    zl->addWidget(EDakika, 0, 4);
    zl->addWidget(etiket(QStringLiteral("Dk"), EDakika, zaman), 0, 5);
    zl->addWidget(etiket(QStringLiteral("Bitiş"), EBittar, zaman), 1, 0);
    zl->addWidget(EBittar, 1, 1);
    zl->addWidget(EBitsaat, 1, 2);
    zl->setColumnStretch(6, 1);

    auto* aciklamaKutusu = new QGroupBox(this);
    auto* al = new QGridLayout(aciklamaKutusu);
    al->addWidget(resim(style()->standardPixmap(QStyle::SP_FileDialogDetailedView), aciklamaKutusu),
                  0, 0, 2, 1);
    al->addWidget(etiket(QStringLiteral("Açıklama"), EAciklama, aciklamaKutusu), 0, 1);
    al->addWidget(EAciklama, 1, 1);

    auto* uyariKutusu = new QGroupBox(this);
    auto* ul = new QGridLayout(uyariKutusu);
    ul->addWidget(resim(DurumResimleri::Al(DurumResimleri::AlarmAcik), uyariKutusu), 0, 0, 2, 1);
    ul->addWidget(EUyari, 0, 1, 1, 5);
    ul->addWidget(etiket(QStringLiteral("Uyarı Günü"), EUyarigun, uyariKutusu), 1, 1);
    ul->addWidget(EUyarigun, 1, 2);
    ul->addWidget(etiket(QStringLiteral("Uyarı Saati"), EUyarisaat, uyariKutusu), 1, 3);
    auto* saatSatiri = new QHBoxLayout;
    saatSatiri->addWidget(EUyarisaat);
    saatSatiri->addWidget(etiket(QStringLiteral(":"), EUyaridak, uyariKutusu));
    saatSatiri->addWidget(EUyaridak);
    ul->addLayout(saatSatiri, 1, 4);
    ul->setColumnStretch(5, 1);

    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(BKaydet);
    dugmeler->addWidget(BCikis);

    auto* ana = new QVBoxLayout(this);
    ana->addWidget(zaman);
    ana->addWidget(aciklamaKutusu, 1);
    ana->addWidget(uyariKutusu);
    ana->addLayout(dugmeler);
    resize(519, 350);

    QWidget* sira[] = {EBastar, EBassaat,  EDakika,    EBittar,   EBitsaat, EAciklama,
                       EUyari,  EUyarigun, EUyarisaat, EUyaridak, BKaydet,  BCikis};
    for (size_t i = 0; i + 1 < std::size(sira); ++i) setTabOrder(sira[i], sira[i + 1]);

    connect(BKaydet, &QPushButton::clicked, this, &TFAjandanew::BKaydetClick);
    connect(BCikis, &QPushButton::clicked, this, &TFAjandanew::BCikisClick);
    connect(EDakika, &QSpinBox::valueChanged, this, &TFAjandanew::EDakikaDegisti);
    MetinSiniriKoy(EAciklama, kAciklamaUzunlugu);
}

QString TFAjandanew::aciklama() const {
    return EAciklama->toPlainText();
}

bool TFAjandanew::UyariSaatiDuzenle() {
    return UyariKutulariniDuzenle(EUyarisaat, EUyaridak);
}

void TFAjandanew::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    UyariSaatiDuzenle();
}

void TFAjandanew::BKaydetClick() {
    if (UyariSaatiDuzenle()) done(1);
}

void TFAjandanew::BCikisClick() {
    done(-1);
}

void TFAjandanew::EDakikaDegisti(int dakika) {
    // The end follows the start by the minutes typed.
    const QDate gun = EBastar->tarih().isValid() ? EBastar->tarih() : EBittar->tarih();
    if (!gun.isValid()) return;
    const QDateTime bitis = QDateTime(gun, EBassaat->time()).addSecs(qint64(dakika) * 60);
    EBittar->setTarih(bitis.date());
    EBitsaat->setTime(bitis.time());
}

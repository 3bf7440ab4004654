#include "tfajanda.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "alanlar.h"
#include "dbhatasi.h"
#include "gunlukplan.h"
#include "mesaj.h"
#include "planyoneticisi.h"
#include "sorgumodeli.h"
#include "turkce.h"
#include "udm.h"
#include "uygulama.h"
#include "zaman.h"

namespace {

QPushButton* komutDugmesi(const QString& ad, const QString& baslik, QWidget* ebeveyn) {
    auto* b = new QPushButton(baslik, ebeveyn);
    b->setObjectName(ad);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setAutoDefault(false);
    return b;
}

// A row of small buttons, one per value; the pressed one stays down.
QButtonGroup* degerDugmeleri(const QString& etiket, int ilkNo, std::initializer_list<int> degerler,
                             int secili, QHBoxLayout* satir, QWidget* ebeveyn) {
    auto* grup = new QButtonGroup(ebeveyn);
    auto* l = new QLabel(etiket, ebeveyn);
    satir->addWidget(l);
    int no = ilkNo;
    for (int deger : degerler) {
        auto* b = new QToolButton(ebeveyn);
        b->setObjectName(QStringLiteral("sSpeedButton%1").arg(no++));
        b->setText(QString::number(deger));
        b->setProperty("Tag", deger);
        b->setCheckable(true);
        b->setChecked(deger == secili);
        b->setFixedWidth(qMax(24, b->fontMetrics().horizontalAdvance(b->text()) + 10));
        grup->addButton(b, deger);
        satir->addWidget(b);
        if (deger == *degerler.begin()) l->setBuddy(b);
    }
    grup->setExclusive(true);
    return grup;
}

}  // namespace

TFAjanda::TFAjanda(QWidget* parent)
    : ModulPencere(QStringLiteral("FAjanda"),
                   Yerlesim(QStringLiteral("Ajanda"), QStringLiteral("Kovimaro")), parent),
      Q_Ajanda(Dm->DB_Zafo),
      Q_Kayitlar(Dm->DB_Zafo) {
    setWindowTitle(QStringLiteral("Ajanda ..."));
    PlanManager = new PlanYoneticisi(this);
    PlanManager->setObjectName(QStringLiteral("PlanManager"));
    arayuzuKur();
    setYerlesimBasligi(DbKayitlar->horizontalHeader());
    resize(803, 481);

    connect(PlanManager, &PlanYoneticisi::TopluYukleme, this, &TFAjanda::PlanManagerLoadBatch);
    connect(Sayfalar, &QTabWidget::currentChanged, this, &TFAjanda::SayfaDegisti);
    connect(ETarih, &TarihAlani::tarihDegisti, this, &TFAjanda::TarihDegisti);
    connect(sBitBtn1, &QToolButton::clicked, this, &TFAjanda::sBitBtn1Click);
    connect(BSonraki, &QToolButton::clicked, this, &TFAjanda::BSonrakiClick);
    connect(GunlukPlan, &GunlukPlanGorunumu::CiftTiklandi, this, &TFAjanda::Cifttiklama);
    connect(GunlukPlan, &GunlukPlanGorunumu::RandevuTasindi, this, &TFAjanda::RandevuTasindi);
    for (QPushButton* b : {Bekle, BGridekle})
        connect(b, &QPushButton::clicked, this, &TFAjanda::BekleClick);
    connect(Mspyenikayekle, &QAction::triggered, this, &TFAjanda::BekleClick);
    connect(BDuzelt, &QPushButton::clicked, this, &TFAjanda::BDuzeltClick);
    connect(Mspmevkaydegis, &QAction::triggered, this, &TFAjanda::BDuzeltClick);
    connect(BSil, &QPushButton::clicked, this, &TFAjanda::BSilClick);
    connect(Mspmekaysil, &QAction::triggered, this, &TFAjanda::BSilClick);
    connect(BGridduzelt, &QPushButton::clicked, this, &TFAjanda::BGridduzeltClick);
    connect(DbKayitlar, &QTableView::doubleClicked, this, &TFAjanda::BGridduzeltClick);
    connect(BSil2, &QPushButton::clicked, this, &TFAjanda::BSil2Click);
    for (QPushButton* b : {BCikis, BCikis2})
        connect(b, &QPushButton::clicked, this, &TFAjanda::kapat);
    // Both "Çıkış" buttons answer Esc.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, &TFAjanda::kapat);
}

TFAjanda::~TFAjanda() = default;

void TFAjanda::arayuzuKur() {
    sBitBtn1 = new QToolButton(this);
    sBitBtn1->setObjectName(QStringLiteral("sBitBtn1"));
    sBitBtn1->setArrowType(Qt::LeftArrow);
    sBitBtn1->setToolTip(QStringLiteral("Bir gün geri"));
    sBitBtn1->setIconSize(QSize(28, 28));
    ETarih = new TarihAlani(this);
    ETarih->setObjectName(QStringLiteral("ETarih"));
    ETarih->setMaxLength(10);
    QFont buyuk = ETarih->font();
    buyuk.setPixelSize(24);
    ETarih->setFont(buyuk);
    ETarih->setMinimumWidth(190);
    ETarih->setMaximumWidth(230);
    ETarih->setAccessibleName(QStringLiteral("İlk gün"));
    BSonraki = new QToolButton(this);
    BSonraki->setObjectName(QStringLiteral("BSonraki"));
    BSonraki->setArrowType(Qt::RightArrow);
    BSonraki->setToolTip(QStringLiteral("Bir gün ileri"));
    BSonraki->setIconSize(QSize(28, 28));
    auto* ust = new QHBoxLayout;
    ust->addWidget(sBitBtn1);
    ust->addWidget(ETarih);
    ust->addWidget(BSonraki);
    ust->addStretch();

    Sayfalar = new QTabWidget(this);
    Sayfalar->setObjectName(QStringLiteral("Sayfalar"));
    SGunluk = gunlukSayfasi();
    Stumadres = kayitlarSayfasi();
    Sayfalar->addTab(SGunluk, QStringLiteral("Günlük"));
    Sayfalar->addTab(Stumadres, QStringLiteral("Tüm Kayıtlar"));

    auto* ana = new QVBoxLayout(this);
    ana->addLayout(ust);
    ana->addWidget(Sayfalar, 1);
}

QWidget* TFAjanda::gunlukSayfasi() {
    auto* sayfa = new QWidget(this);
    sayfa->setObjectName(QStringLiteral("SGunluk"));
    GunlukPlan = new GunlukPlanGorunumu(sayfa);
    GunlukPlan->setObjectName(QStringLiteral("GunlukPlan"));
    GunlukPlan->setYonetici(PlanManager);

    PopMenu = new QMenu(this);
    PopMenu->setObjectName(QStringLiteral("PopMenu"));
    Mspyenikayekle = PopMenu->addAction(QStringLiteral("&Yeni Kayıt Ekle"));
    Mspyenikayekle->setObjectName(QStringLiteral("Mspyenikayekle"));
    Mspmevkaydegis = PopMenu->addAction(QStringLiteral("Mevcut Kaydı &Değiştir"));
    Mspmevkaydegis->setObjectName(QStringLiteral("Mspmevkaydegis"));
    Mspmekaysil = PopMenu->addAction(QStringLiteral("Mevcut Kaydı İptal Et"));
    Mspmekaysil->setObjectName(QStringLiteral("Mspmekaysil"));
    GunlukPlan->setAcilirMenu(PopMenu);

    auto* alt = new QHBoxLayout;
    alt->setSpacing(3);
    auto* dakikalar = degerDugmeleri(QStringLiteral("Dakika"), 1, {60, 30, 20, 15, 10, 5, 1},
                                     GunlukPlan->satirDakika(), alt, sayfa);
    alt->addSpacing(12);
    auto* gunler = degerDugmeleri(QStringLiteral("Gün"), 8, {1, 2, 3, 5, 7, 14, 31}, 7, alt, sayfa);
    alt->addStretch();
    Bekle = komutDugmesi(QStringLiteral("Bekle"), QStringLiteral("Ekle"), sayfa);
    BDuzelt = komutDugmesi(QStringLiteral("BDuzelt"), QStringLiteral("Düzelt"), sayfa);
    BSil = komutDugmesi(QStringLiteral("BSil"), QStringLiteral("Sil"), sayfa);
    BCikis = komutDugmesi(QStringLiteral("BCikis"), QStringLiteral("Çıkış"), sayfa);
    for (QPushButton* b : {Bekle, BDuzelt, BSil, BCikis}) alt->addWidget(b);
    connect(dakikalar, &QButtonGroup::idClicked, this, &TFAjanda::SbSaatClick);
    connect(gunler, &QButtonGroup::idClicked, this, &TFAjanda::BGunClick);

    auto* l = new QVBoxLayout(sayfa);
    l->addWidget(GunlukPlan, 1);
    l->addLayout(alt);
    return sayfa;
}

QWidget* TFAjanda::kayitlarSayfasi() {
    auto* sayfa = new QWidget(this);
    sayfa->setObjectName(QStringLiteral("Stumadres"));
    DbKayitlar = new QTableView(sayfa);
    DbKayitlar->setObjectName(QStringLiteral("DbKayitlar"));
    // A missing date (the zero date) shows as an empty cell.
    const Qt::Alignment sol = Qt::AlignLeft | Qt::AlignVCenter;
    const auto tarih = [](const QVariant& deger) {
        return Turkce::Tarih(Sorgu::tarihOku(deger).date());
    };
    Ds_Kayitlar =
        new SorguModeli(Q_Kayitlar,
                        {{QStringLiteral("Bastar"), QStringLiteral("Baş.Tarihi"), 89, sol, tarih},
                         {QStringLiteral("Bassaat"), QStringLiteral("Baş.Saati"), 80, sol, {}},
                         {QStringLiteral("Bittar"), QStringLiteral("Bit.Tarihi"), 86, sol, tarih},
                         {QStringLiteral("Bitsaat"), QStringLiteral("Bit.Saati"), 76, sol, {}},
                         {QStringLiteral("Aciklama"), QStringLiteral("Açıklama"), 379, sol, {}}},
                        this);
    Ds_Kayitlar->setObjectName(QStringLiteral("Ds_Kayitlar"));
    DbKayitlar->setModel(Ds_Kayitlar);
    DbKayitlar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DbKayitlar->setSelectionBehavior(QAbstractItemView::SelectRows);
    DbKayitlar->setSelectionMode(QAbstractItemView::SingleSelection);
    DbKayitlar->setShowGrid(true);
    DbKayitlar->verticalHeader()->setDefaultSectionSize(22);
    DbKayitlar->verticalHeader()->setFixedWidth(18);
    DbKayitlar->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int i = 0; i < Ds_Kayitlar->columnCount(); ++i)
        DbKayitlar->setColumnWidth(i, Ds_Kayitlar->sutunlar()[i].genislik);
    connect(DbKayitlar->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& simdiki) {
                if (!simdiki.isValid()) return;
                Q_Kayitlar.setRecNo(simdiki.row());
                Ds_Kayitlar->imlecDegisti();
            });

    BGridekle = komutDugmesi(QStringLiteral("BGridekle"), QStringLiteral("Ekle"), sayfa);
    BGridduzelt = komutDugmesi(QStringLiteral("BGridduzelt"), QStringLiteral("Düzelt"), sayfa);
    BSil2 = komutDugmesi(QStringLiteral("BSil2"), QStringLiteral("Sil"), sayfa);
    BCikis2 = komutDugmesi(QStringLiteral("BCikis2"), QStringLiteral("Çıkış"), sayfa);
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    for (QPushButton* b : {BGridekle, BGridduzelt, BSil2, BCikis2}) alt->addWidget(b);

    auto* l = new QVBoxLayout(sayfa);
    l->addWidget(DbKayitlar, 1);
    l->addLayout(alt);
    return sayfa;
}

void TFAjanda::showEvent(QShowEvent* olay) {
    ModulPencere::showEvent(olay);
    // Brought forward again later, the window keeps what it has read.
    if (acildi_) return;
    acildi_ = true;
    FormShow();
}

void TFAjanda::FormShow() {
    Sayfalar->setCurrentWidget(SGunluk);
    Dm->DB_Zafo.AcmayaCalis();
    // The list of every appointment is read as the window opens; later saves
    // read it again when its tab is next in front.
    listeyiOku(QString());
    PlanHazirla();
    ETarih->setTarih(Zaman::Bugun());
    GunlukPlan->ustSaatiAyarla(QTime(9, 0));
}

void TFAjanda::PlanHazirla() {
    GunlukPlan->setPlanAdi(QStringLiteral("Kovimaro"));
    GunlukPlan->setGunSayisi(7);
}

void TFAjanda::TarihDegisti() {
    // Half-typed dates are passed over; the view moves once the date is whole.
    const QDate gun = ETarih->tarih();
    if (gun.isValid()) GunlukPlan->setIlkGun(gun);
}

// Both step exactly one day, whatever the number of days shown.
void TFAjanda::sBitBtn1Click() {
    gunAdimi(-1);
}
void TFAjanda::BSonrakiClick() {
    gunAdimi(1);
}

// Neither the row length nor the day count moves the first day.
void TFAjanda::SbSaatClick(int dakika) {
    GunlukPlan->setSatirDakika(dakika);
}
void TFAjanda::BGunClick(int gun) {
    GunlukPlan->setGunSayisi(gun);
}

// Adds from the day view's selection even when the list is in front.
void TFAjanda::BekleClick() {
    AjandaEkle();
}

void TFAjanda::gunAdimi(int gun) {
    const QDate simdiki = ETarih->tarih().isValid() ? ETarih->tarih() : GunlukPlan->ilkGun();
    ETarih->setTarih(simdiki.addDays(gun));
}

void TFAjanda::Cifttiklama() {
    if (!GunlukPlan->gecerliSecimVar()) return;
    if (!GunlukPlan->seciliRandevu().isEmpty())
        BDuzelt->click();
    else
        AjandaEkle();
}

void TFAjanda::BDuzeltClick() {
    if (!GunlukPlan->gecerliSecimVar()) return;
    if (!GunlukPlan->seciliRandevu().isEmpty())
        AjandaDuzelt(GunlukPlan->seciliRandevu());
    else
        DuzMesaj(QStringLiteral("Önce düzeltilecek kaydı seçin."));
}

void TFAjanda::BSilClick() {
    if (!GunlukPlan->gecerliSecimVar()) return;
    if (!GunlukPlan->seciliRandevu().isEmpty())
        AjandaSil(GunlukPlan->seciliRandevu());
    else
        DuzMesaj(QStringLiteral("Önce silinecek kaydı seçin."));
}

void TFAjanda::BGridduzeltClick() {
    if (!Q_Kayitlar.Active() || Q_Kayitlar.RecordCount() == 0) return;
    AjandaDuzelt(Q_Kayitlar.fieldText(QStringLiteral("Ajid")));
}

void TFAjanda::BSil2Click() {
    if (!Q_Kayitlar.Active() || Q_Kayitlar.RecordCount() == 0) return;
    AjandaSil(Q_Kayitlar.fieldText(QStringLiteral("Ajid")));
}

void TFAjanda::listeyiYenile(const QString& ajid) {
    if (Sayfalar->currentWidget() == Stumadres) {
        listeyiOku(ajid);
        return;
    }
    listeBekliyor_ = true;
    listeHedefi_ = ajid;
}

void TFAjanda::SayfaDegisti() {
    if (Sayfalar->currentWidget() != Stumadres || !listeBekliyor_) return;
    listeyiOku(listeHedefi_);
}

void TFAjanda::listeyiOku(const QString& ajid) {
    listeBekliyor_ = false;
    listeHedefi_.clear();
    try {
        Ds_Kayitlar->yenidenCalistir([this] {
            Q_Kayitlar.Close();
            Q_Kayitlar.setSql(
                QStringLiteral("Select ajanda.* from ajanda Order By Bastar, Bassaat"));
            Q_Kayitlar.Open();
        });
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
        return;
    }
    if (ajid.isEmpty())
        Q_Kayitlar.Last();
    else if (!Q_Kayitlar.Locate(QStringLiteral("Ajid"), ajid))
        Q_Kayitlar.First();
    listeKonumunuGoster();
}

void TFAjanda::listeKonumunuGoster() {
    const int satir = Q_Kayitlar.RecNo();
    Ds_Kayitlar->imlecDegisti();
    if (satir < 0) return;
    const QModelIndex indeks = Ds_Kayitlar->index(satir, 0);
    DbKayitlar->setCurrentIndex(indeks);
    DbKayitlar->scrollTo(indeks);
}

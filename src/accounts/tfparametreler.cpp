#include "tfparametreler.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "dosyasecimi.h"
#include "mesaj.h"
#include "radyogrubu.h"
#include "udm.h"
#include "uygulama.h"

namespace {

QPushButton* dugme(const char* ad, const QString& metin, QWidget* sahip, bool kalin = false) {
    auto* d = new QPushButton(metin, sahip);
    d->setObjectName(QLatin1String(ad));
    // Enter in a field must not press a button: nothing here happens by accident.
    d->setAutoDefault(false);
    if (kalin) {
        QFont f = d->font();
        f.setBold(true);
        d->setFont(f);
    }
    return d;
}

QLineEdit* alan(const char* ad, QWidget* sahip, int sinir = 0) {
    auto* e = new QLineEdit(sahip);
    e->setObjectName(QLatin1String(ad));
    if (sinir > 0) e->setMaxLength(sinir);
    return e;
}

QLabel* etiket(const QString& metin, QWidget* arkadas, QWidget* sahip) {
    auto* l = new QLabel(metin, sahip);
    l->setBuddy(arkadas);
    return l;
}

// The link tests talk to other programs' databases; the pointer says the
// window is waiting rather than frozen.
struct Bekleme {
    Bekleme() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Bekleme() { QGuiApplication::restoreOverrideCursor(); }
};

void goster(const Parametreler::Kontrol& k) {
    if (k.uyari)
        UyariGoster(k.mesaj, 0);
    else
        HataGoster(k.mesaj, 0);
}

}  // namespace

DosyaAlani::DosyaAlani(QWidget* parent) : QWidget(parent) {
    auto* duzen = new QHBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(2);
    alan_ = new QLineEdit(this);
    alan_->setMaxLength(255);
    dugme_ = new QPushButton(QStringLiteral("..."), this);
    dugme_->setObjectName(QStringLiteral("DosyaSec"));
    dugme_->setAutoDefault(false);
    dugme_->setFixedWidth(dugme_->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    dugme_->setToolTip(QStringLiteral("Şirket dosyasını seçin"));
    duzen->addWidget(alan_);
    duzen->addWidget(dugme_);
    setFocusProxy(alan_);
    connect(dugme_, &QPushButton::clicked, this, &DosyaAlani::dosyaSec);
}

void DosyaAlani::dosyaSec() {
    // Start beside the file chosen before, else in the program's prodata folder.
    QString klasor;
    const QFileInfo simdiki(alan_->text());
    if (!alan_->text().isEmpty() && simdiki.dir().exists()) klasor = simdiki.absolutePath();
    if (klasor.isEmpty() && !varsayilan_.isEmpty()) {
        const QDir program(varsayilan_);
        if (program.exists(QStringLiteral("prodata")))
            klasor = program.filePath(QStringLiteral("prodata"));
        else if (program.exists())
            klasor = program.absolutePath();
    }
    if (klasor.isEmpty()) klasor = QDir::homePath();
    const QString secilen =
        DosyaSecimi::AcilacakDosya(window(), QStringLiteral("Zafo Şirketi"), klasor);
    if (!secilen.isEmpty()) alan_->setText(QDir::toNativeSeparators(secilen));
}

TFParametreler::TFParametreler(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FParametreler"));
    setWindowTitle(QStringLiteral("Çalışma Parametreleri ..."));
    kur();
    setFixedSize(501, 351);
}

void TFParametreler::kur() {
    auto* kullanici = new QGroupBox(QStringLiteral(" Kullanıcı Bilgileri "), this);
    Eisim = alan("Eisim", kullanici, 30);
    ESirket = alan("ESirket", kullanici, 30);
    EPosta = alan("EPosta", kullanici, 50);
    auto* k = new QGridLayout(kullanici);
    k->addWidget(etiket(QStringLiteral("İsim"), Eisim, kullanici), 0, 0);
    k->addWidget(Eisim, 0, 1);
    k->addWidget(etiket(QStringLiteral("Şirket"), ESirket, kullanici), 0, 2);
    k->addWidget(ESirket, 0, 3);
    k->addWidget(etiket(QStringLiteral("E-Posta"), EPosta, kullanici), 1, 0);
    k->addWidget(EPosta, 1, 1, 1, 3);

    ETicariprogram =
        new RadyoGrubu(QStringLiteral(" Cari Kart Bağlantısı "),
                       {QStringLiteral("Bağlantı Yok"), QStringLiteral("Zafo Yazılım Ürünleri"),
                        QStringLiteral("Logo Yazılım Ürünleri")},
                       this);
    ETicariprogram->setObjectName(QStringLiteral("ETicariprogram"));

    GrZafo = new QGroupBox(QStringLiteral(" Zafo Cari Bağlantısı "), this);
    GrZafo->setObjectName(QStringLiteral("GrZafo"));
    EZafosirket = new DosyaAlani(GrZafo);
    EZafosirket->setObjectName(QStringLiteral("EZafosirket"));
    EZafosirket->alan()->setObjectName(QStringLiteral("EZafosirketMetin"));
    SKontrolet = dugme("SKontrolet", QStringLiteral("Kontrol Et"), GrZafo);
    auto* z = new QVBoxLayout(GrZafo);
    z->addWidget(etiket(QStringLiteral("Zafo Şirketi"), EZafosirket->alan(), GrZafo));
    z->addWidget(EZafosirket);
    z->addWidget(new QLabel(QStringLiteral("Buraya Zafo program dizini altındaki \n"
                                           "prodata dizininden çalıştığınız şirketin \n"
                                           "dosyasını seçmelisiniz."),
                            GrZafo));
    z->addStretch();
    z->addWidget(SKontrolet, 0, Qt::AlignRight);

    GrLogo = new QGroupBox(QStringLiteral(" Logo Cari Bağlantısı "), this);
    GrLogo->setObjectName(QStringLiteral("GrLogo"));
    ELogoserver = alan("ELogoserver", GrLogo);
    ELogoveritab = alan("ELogoveritab", GrLogo);
    ELogokullanici = alan("ELogokullanici", GrLogo);
    ELogosifre = alan("ELogosifre", GrLogo);  // shown as typed
    ELogosirket = alan("ELogosirket", GrLogo);
    BLogokontrol = dugme("BLogokontrol", QStringLiteral("Kontrol Et"), GrLogo);
    auto* l = new QGridLayout(GrLogo);
    l->setVerticalSpacing(3);
    const std::pair<QString, QLineEdit*> satirlar[] = {
        {QStringLiteral("Server"), ELogoserver},
        {QStringLiteral("Veritabanı"), ELogoveritab},
        {QStringLiteral("Kullanıcı"), ELogokullanici},
        {QStringLiteral("Şifre"), ELogosifre},
        {QStringLiteral("Şirket No "), ELogosirket}};
    int r = 0;
    for (const auto& [metin, e] : satirlar) {
        l->addWidget(etiket(metin, e, GrLogo), r, 0);
        l->addWidget(e, r, 1, 1, r == 4 ? 1 : 2);
        ++r;
    }
    l->addWidget(BLogokontrol, 4, 2);

    // Both link groups take the same spot; at most one is visible.
    auto* baglanti = new QWidget(this);
    auto* b = new QGridLayout(baglanti);
    b->setContentsMargins(0, 0, 0, 0);
    b->addWidget(GrZafo, 0, 0);
    b->addWidget(GrLogo, 0, 0);
    GrZafo->hide();
    GrLogo->hide();

    auto* orta = new QHBoxLayout;
    orta->addWidget(ETicariprogram);
    orta->addWidget(baglanti, 1);

    BKaydet = dugme("BKaydet", QStringLiteral("Kaydet"), this, true);
    BCikis = dugme("BCikis", QStringLiteral("Çıkış"), this, true);
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(BKaydet);
    alt->addWidget(BCikis);

    auto* ana = new QVBoxLayout(this);
    ana->addWidget(kullanici);
    ana->addLayout(orta, 1);
    ana->addLayout(alt);

    connect(ETicariprogram, &RadyoGrubu::tiklandi, this, &TFParametreler::ETicariprogramClick);
    connect(SKontrolet, &QPushButton::clicked, this, &TFParametreler::SKontroletClick);
    connect(BLogokontrol, &QPushButton::clicked, this, &TFParametreler::BLogokontrolClick);
    connect(BKaydet, &QPushButton::clicked, this, &TFParametreler::BKaydetClick);
    connect(BCikis, &QPushButton::clicked, this, &TFParametreler::BCikisClick);
}

void TFParametreler::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (gosterildi_) return;
    gosterildi_ = true;
    ParametreleriGoster();
}

void TFParametreler::ParametreleriGoster() {
    if (!Dm) return;
    Parametreler::Degerler d;
    try {
        d = Parametreler::Oku(Dm->Q_Temp);
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
        return;
    }
    Eisim->setText(d.kulisim);
    ESirket->setText(d.kulsirket);
    EPosta->setText(d.eposta);
    ETicariprogram->setItemIndex(d.ticprogram);
    EZafosirket->alan()->setText(d.zafoSirket);
    ELogoserver->setText(d.logoServer);
    ELogoveritab->setText(d.logoVeritab);
    ELogokullanici->setText(d.logoKullanici);
    ELogosifre->setText(d.logoSifre);
    ELogosirket->setText(d.logoSirket);
    progdizin_ = d.progdizin;
    EZafosirket->setVarsayilanKlasor(progdizin_);
}

void TFParametreler::ETicariprogramClick() {
    const int i = ETicariprogram->itemIndex();
    GrZafo->setVisible(i == 1);
    GrLogo->setVisible(i == 2);
}

Parametreler::Degerler TFParametreler::degerler() const {
    Parametreler::Degerler d;
    d.kulisim = Eisim->text();
    d.kulsirket = ESirket->text();
    d.eposta = EPosta->text();
    d.ticprogram = qMax(ETicariprogram->itemIndex(), 0);
    d.zafoSirket = EZafosirket->alan()->text();
    d.logoServer = ELogoserver->text();
    d.logoVeritab = ELogoveritab->text();
    d.logoKullanici = ELogokullanici->text();
    d.logoSifre = ELogosifre->text();
    d.logoSirket = ELogosirket->text();
    d.progdizin = progdizin_;
    return d;
}

void TFParametreler::SKontroletClick() {
    Parametreler::Kontrol k;
    {
        Bekleme b;
        k = Parametreler::ZafoKontrol(EZafosirket->alan()->text());
    }
    goster(k);
}

void TFParametreler::BLogokontrolClick() {
    Parametreler::Kontrol k;
    {
        Bekleme b;
        k = Parametreler::LogoKontrol(
            {ELogoserver->text(), ELogoveritab->text(), ELogokullanici->text(), ELogosifre->text()},
            ELogosirket->text());
    }
    goster(k);
}

void TFParametreler::ParametreleriKaydet() {
    if (!Dm) throw DbHatasi(QStringLiteral("Veritabanı bağlantısı yok"));
    Parametreler::Kaydet(Dm->Q_Temp, degerler());
}

void TFParametreler::BKaydetClick() {
    try {
        ParametreleriKaydet();
    } catch (const DbHatasi& hata) {
        // Nothing was stored; the window stays open with the user's edits.
        HataPenceresi(hata.mesaj());
        return;
    }
    done(1);
}

void TFParametreler::BCikisClick() {
    done(-1);
}

#include "umainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "masaustuuyarisi.h"
#include "mesaj.h"
#include "tema.h"
#include "udm.h"
#include "uygulama.h"
#include "veritabani.h"
#include "web.h"
#include "zafofonksiyon.h"
#include "zafoputil.h"

TFMainform* FMainform = nullptr;

// The pictures are compiled into this static library.
static void simgeKaynaklari() {
    Q_INIT_RESOURCE(simgeler);
}

QHash<QString, TFMainform::ModulFabrikasi>& TFMainform::Moduller() {
    static QHash<QString, ModulFabrikasi> m;
    return m;
}

QHash<QString, TFMainform::DiyalogFabrikasi>& TFMainform::Diyaloglar() {
    static QHash<QString, DiyalogFabrikasi> d;
    return d;
}

std::function<void()>& TFMainform::AlarmKontrolu() {
    static std::function<void()> f;
    return f;
}

TFMainform::TFMainform(TDm& dm, bool tepsiVar, QWidget* parent)
    : QMainWindow(parent),
      dm_(dm),
      tepsiVar_(tepsiVar),
      mdi_(new QMdiArea(this)),
      JvTray(new QSystemTrayIcon(this)),
      TrayMenu(new QMenu(this)),
      MyTime(new QTimer(this)),
      FormPlace(QStringLiteral("Zafo"), QStringLiteral("Kovimaro"), Yerlesim::Depo::Yerel) {
    simgeKaynaklari();
    setObjectName(QStringLiteral("FMainform"));
    setWindowTitle(QStringLiteral("Kovimaro - Kişisel Ajandanız ..."));
    setWindowIcon(QIcon(QStringLiteral(":/simgeler/kovimaro.svg")));
    resize(783, 540);
    mdi_->setObjectName(QStringLiteral("MdiAlani"));
    mdi_->setAccessibleName(QStringLiteral("Pencereler"));
    setCentralWidget(mdi_);

    aracCubugunuKur();
    menuleriKur();

    // The logo and the web address sit at the bottom right of the frame.
    auto* kose = new QWidget(mdi_->viewport());
    kose->setObjectName(QStringLiteral("LogoAlani"));
    auto* koseDuzeni = new QVBoxLayout(kose);
    koseDuzeni->setContentsMargins(0, 0, 0, 0);
    Zafologo = new QLabel(kose);
    Zafologo->setObjectName(QStringLiteral("Zafologo"));
    Zafologo->setFixedSize(115, 83);
    Zafologo->setCursor(Qt::PointingHandCursor);
    Zafologo->installEventFilter(this);
    auto* sWebLabel1 =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(QLatin1String(Web::kSiteAdresi),
                            QString::fromLatin1(Web::kSiteAdresi).section(QLatin1String("//"), 1)),
                   kose);
    sWebLabel1->setObjectName(QStringLiteral("sWebLabel1"));
    sWebLabel1->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; font-size: 16px; }"));
    sWebLabel1->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(sWebLabel1, &QLabel::linkActivated, this, [] { Web::AnaSayfaAc(); });
    koseDuzeni->addWidget(Zafologo, 0, Qt::AlignRight);
    koseDuzeni->addWidget(sWebLabel1, 0, Qt::AlignRight);
    kose->adjustSize();
    kose_ = kose;
    mdi_->viewport()->installEventFilter(this);

    // Status bar: four panels; nothing writes to them.
    for (int genislik : {125, 300, 150, 50}) {
        auto* panel = new QLabel;
        panel->setFixedWidth(genislik);
        panel->setFrameShape(QFrame::StyledPanel);
        if (genislik == 50) panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        statusBar()->addPermanentWidget(panel);
    }
    statusBar()->setObjectName(QStringLiteral("Status"));
    statusBar()->setStyleSheet(QStringLiteral("QStatusBar { font-weight: bold; }"));

    JvTray->setObjectName(QStringLiteral("JvTray"));
    JvTray->setIcon(QIcon(QStringLiteral(":/simgeler/kovimaro.svg")));
    JvTray->setToolTip(QStringLiteral("Kovimaro - Kişisel Ajandanız"));
    JvTray->setContextMenu(TrayMenu);
    connect(JvTray, &QSystemTrayIcon::activated, this, &TFMainform::JvTrayClick);

    MyTime->setObjectName(QStringLiteral("MyTime"));
    MyTime->setInterval(60000);
    connect(MyTime, &QTimer::timeout, this, &TFMainform::ZamanlayiciIsle);

    FormCreate();
}

TFMainform::~TFMainform() {
    if (FormPlace.kayitAcik && yerlesimYuklendi_) FormPlace.Kaydet(this);
    if (FMainform == this) FMainform = nullptr;
}

void TFMainform::aracCubugunuKur() {
    auto* sCoolBar1 = addToolBar(QStringLiteral("Modüller"));
    sCoolBar1->setObjectName(QStringLiteral("sCoolBar1"));
    sCoolBar1->setMovable(false);
    sCoolBar1->setFixedHeight(85);
    sCoolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    sCoolBar1->setIconSize(QSize(40, 40));
    struct Dugme {
        const char* ad;
        const char* baslik;
        const char* simge;
        const char* modul;
        int genislik;
    };
    const Dugme dugmeler[] = {
        {"SbAdresler", "Fihrist", "fihrist", "FADRESLER", 75},
        {"BKasahar", "Kasa", "kasa", "FKASAHAR", 75},
        {"SbAjanda", "Ajanda", "ajanda", "FAJANDA", 75},
        {"Sbnot", "Notlar", "notlar", "FNOTLAR", 75},
        {"BCarikart", "Cari Kartlar", "carikart", "FCARIKARTLAR", 83},
        {"SbYedek", "Yedekle", "yedekle", "FYEDEKLE", 75},
    };
    for (const Dugme& d : dugmeler) {
        auto* b = new QToolButton(sCoolBar1);
        b->setObjectName(QLatin1String(d.ad));
        b->setText(QString::fromUtf8(d.baslik));
        b->setIcon(QIcon(QStringLiteral(":/simgeler/%1.svg").arg(QLatin1String(d.simge))));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setFixedSize(d.genislik, 75);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        const QString modul = QLatin1String(d.modul);
        connect(b, &QToolButton::clicked, this, [this, modul] { ModulAc(modul); });
        QAction* eylem = sCoolBar1->addWidget(b);
        if (qstrcmp(d.ad, "SbYedek") == 0) eylem->setVisible(false);
    }
    // The exit button stays at the right end of the toolbar.
    auto* bosluk = new QWidget(sCoolBar1);
    bosluk->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    sCoolBar1->addWidget(bosluk);
    SbCikis = new QToolButton(sCoolBar1);
    SbCikis->setObjectName(QStringLiteral("SbCikis"));
    SbCikis->setText(QStringLiteral("Çıkış"));
    SbCikis->setIcon(QIcon(QStringLiteral(":/simgeler/cikis.svg")));
    SbCikis->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    SbCikis->setAutoRaise(true);
    SbCikis->setFixedSize(75, 75);
    QFont f = SbCikis->font();
    f.setBold(true);
    SbCikis->setFont(f);
    connect(SbCikis, &QToolButton::clicked, this, &TFMainform::ProgramiGizle);
    sCoolBar1->addWidget(SbCikis);
}

void TFMainform::menuleriKur() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto eylem = [this](QMenu* menu, const char* ad, const QString& baslik, auto isle) {
        QAction* a = menu->addAction(baslik);
        a->setObjectName(QLatin1String(ad));
        connect(a, &QAction::triggered, this, isle);
        return a;
    };
    auto altMenu = [MainMenu1](const char* ad, const QString& baslik) {
        QMenu* m = MainMenu1->addMenu(baslik);
        m->setObjectName(QLatin1String(ad));
        m->menuAction()->setObjectName(QLatin1String(ad));
        return m;
    };
    QMenu* Msislemler = altMenu("Msislemler", QStringLiteral("İşlemler"));
    eylem(Msislemler, "Msyedekle", QStringLiteral("Yedekleme"),
          [this] { ModulAc(QStringLiteral("FYEDEKLE")); });
    Msislemler->menuAction()->setVisible(false);
    QMenu* MsTanimlar = altMenu("MsTanimlar", QStringLiteral("Tanımlar"));
    eylem(MsTanimlar, "MsYedekTanimlari", QStringLiteral("Yedekleme Tanımları"),
          [this] { diyalogAc(QStringLiteral("TFTanimyedek")); });
    MsTanimlar->menuAction()->setVisible(false);
    QMenu* Parametreler1 = altMenu("Parametreler1", QStringLiteral("Parametreler"));
    eylem(Parametreler1, "MsCalisParametre", QStringLiteral("Çalışma Parametreleri"),
          [this] { diyalogAc(QStringLiteral("TFParametreler")); });
    eylem(Parametreler1, "Mstemalar", QStringLiteral("Temalar"),
          [this] { diyalogAc(QStringLiteral("TFTemalar")); });
    auto ustEylem = [this, MainMenu1](const char* ad, const QString& baslik, auto isle) {
        QAction* a = MainMenu1->addAction(baslik);
        a->setObjectName(QLatin1String(ad));
        connect(a, &QAction::triggered, this, isle);
    };
    ustEylem("YeniSrmKontrolYap1", QStringLiteral("Yeni Sürüm Kontrolü Yap"), [this] {
        Web::WebSayfasiAc(dm_.DB_Zafo, dm_.Q_Temp, QLatin1String(Web::kSurumSayfasi),
                          QLatin1String(Web::kSurumSorgusu));
    });
    ustEylem("Mshakkinda", QStringLiteral("Hakkında"),
             [this] { diyalogAc(QStringLiteral("TFHakkinda")); });
    ustEylem("Mscikis", QStringLiteral("Çıkış"), [this] { SbCikis->click(); });

    eylem(TrayMenu, "TMsProgramiAc", QStringLiteral("Programı Aç"), [this] { ProgramiGoster(); });
    TrayMenu->addSeparator();
    eylem(TrayMenu, "TMshakkinda", QStringLiteral("Hakkında"),
          [this] { diyalogAc(QStringLiteral("TFHakkinda")); });
    eylem(TrayMenu, "afoYazlmWebSitesineGit1", QStringLiteral("Zafo Yazılım Web Sitesine Git"),
          [] { Web::AnaSayfaAc(); });
    TrayMenu->addSeparator();
    eylem(TrayMenu, "TMsCikis", QStringLiteral("Çıkış"), [this] { TMsCikisClick(); });
}

void TFMainform::FormCreate() {
    try {
        ParametreleriOku(dm_.Q_Temp);
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    }
    alertAcik_ = false;
    try {
        OtomatikBaslat(QStringLiteral("Kovimaro"), QCoreApplication::applicationFilePath());
    } catch (const std::exception&) {
        Veritabani::HataKaydet(dm_.DB_Zafo, dm_.Q_Temp, 5, QStringLiteral("MainFormCreate"),
                               QStringLiteral("Registry update yapılamadı."));
    }
    Sessizce([&] {
        TemaYoneticisi::Ornek().setKlasor(QCoreApplication::applicationDirPath() +
                                          QStringLiteral("/Temalar"));
        TepsiyeGonder();
    });
    Sessizce([&] { TemaVeKullaniciOku(); });
    dm_.DB_Zafo.Close();
    // Without a notification area the program would be out of reach: it shows
    // its window at start instead.
    if (!tepsiVar_) QTimer::singleShot(0, this, [this] { ProgramiGoster(); });
}

void TFMainform::TemaVeKullaniciOku() {
    Baglanti& db = dm_.DB_Zafo;
    Sorgu& q = dm_.Q_Temp;
    if (!db.AcmayaCalis()) return;
    q.Close();
    q.setSql(QStringLiteral("Select Params.* From Params"));
    QString bilgisayar, kullanici;
    const bool okundu = Sessizce([&] {
        q.Open();
        TemaYoneticisi::Ornek().setAd(q.fieldText(QStringLiteral("Skinname")));
        bilgisayar = q.fieldText(QStringLiteral("Bilginame"));
        kullanici = q.fieldText(QStringLiteral("Kullanici"));
    });
    if (!okundu) {
        Veritabani::HataKaydet(db, q, 6, QStringLiteral("ReadParams"),
                               QStringLiteral("Parametre okunamadı."));
        TemaYoneticisi::Ornek().setAd(QString::fromLatin1(TemaYoneticisi::kIcTema));
    }
    q.Close();
    if (bilgisayar.isEmpty() || kullanici.isEmpty()) {
        q.setSql(QStringLiteral("Update Params Set Bilginame=:Bilginame, Kullanici=:Kullanici"));
        q.paramText(QStringLiteral("Bilginame"), BilgisayarAdi());
        q.paramText(QStringLiteral("Kullanici"), KullaniciAdi());
        Sessizce([&] { q.Execute(); });
    }
    db.Close();
}

void TFMainform::TepsiyeGonder() {
    if (tepsiVar_) JvTray->show();
    MyTime->start();
    dm_.DB_Zafo.Close();
    if (AcilisSayaci > 0) BirAlertMesajGoster();
}

void TFMainform::ProgramiGoster() {
    if (!TemaYoneticisi::Ornek().aktif()) TemaYoneticisi::Ornek().setAktif(true);
    MyTime->stop();
    if (tepsiVar_) JvTray->hide();
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFMainform::ProgramiGizle() {
    FormPlace.kayitAcik = false;
    Sessizce([&] { FormlariKapat(mdi_); });
    if (tepsiVar_) {
        hide();
    } else if (!isMinimized()) {
        // With no notification area the window is minimised, never lost.
        showMinimized();
    }
    TepsiyeGonder();
}

void TFMainform::TMsCikisClick() {
    Sessizce([&] { FormlariKapat(mdi_); });
    FormPlace.kayitAcik = true;
    bitiyor_ = true;
    Sessizce([&] { QCoreApplication::quit(); });
}

void TFMainform::JvTrayClick(QSystemTrayIcon::ActivationReason neden) {
    if (alertAcik_) {
        UyariGoster(QStringLiteral("Lütfen önce mesaj ekranını kapatın."), 0);
        return;
    }
    if (neden == QSystemTrayIcon::Trigger) ProgramiGoster();
}

bool TFMainform::zamanlayiciAcik() const {
    return MyTime->isActive();
}

void TFMainform::ZamanlayiciIsle() {
    MyTime->stop();
    Sessizce([&] {
        if (AlarmKontrolu()) AlarmKontrolu()();
    });
    Sessizce([&] { dm_.DB_Zafo.Close(); });
    MyTime->start();
}

void TFMainform::BirAlertMesajGoster() {
    TemaYoneticisi::Ornek().setAktif(false);
    if (alertAcik_) return;
    TMasaustuUyarisi::Ayar ayar;
    ayar.baslik = QStringLiteral("Kovimaro Burada Açık");
    ayar.metin = QStringLiteral(
        "\nProgramınız kullanıma hazır olarak beklemektedir.\n\nÇalıştırmak için aşağıda "
        "programın simgesini bulup bir kere tıklamanız yeterlidir.\n");
    ayar.resim = QIcon(QStringLiteral(":/simgeler/kovimaro.svg")).pixmap(48, 48);
    // Heights as the alert's fonts were given, in the pixels of this desktop.
    ayar.metinBoyu = 13;
    ayar.baslikBoyu = 15;
    Sessizce([&] {
        alert_ = new TMasaustuUyarisi(ayar, this);
        connect(alert_, &TMasaustuUyarisi::kapandi, this, &TFMainform::AlertMesajKapat);
        alert_->Goster();
    });
    --AcilisSayaci;
    alertAcik_ = true;
}

void TFMainform::AlertMesajKapat() {
    TemaYoneticisi::Ornek().setAktif(true);
    alertAcik_ = false;
}

QWidget* TFMainform::ModulAc(const QString& ad) {
    const QList<QMdiSubWindow*> pencereler = mdi_->subWindowList();
    if (FormAcikmi(mdi_, ad)) {
        for (QMdiSubWindow* p : pencereler) {
            if (p->widget() && p->widget()->objectName().toUpper() == ad) {
                p->showNormal();
                mdi_->setActiveSubWindow(p);
                p->raise();
                return p->widget();
            }
        }
    }
    const auto fabrika = Moduller().value(ad);
    if (!fabrika) return nullptr;
    QWidget* w = fabrika();
    if (!w) return nullptr;
    QMdiSubWindow* cerceve = mdi_->addSubWindow(w);
    cerceve->setAttribute(Qt::WA_DeleteOnClose);
    cerceve->setWindowTitle(w->windowTitle());
    cerceve->setWindowIcon(windowIcon());
    w->show();
    // A window drawn larger than the frame starts at the frame's size.
    cerceve->resize(cerceve->size().boundedTo(mdi_->viewport()->size()));
    cerceve->show();
    mdi_->setActiveSubWindow(cerceve);
    return w;
}

void TFMainform::diyalogAc(const QString& ad) {
    const auto fabrika = Diyaloglar().value(ad);
    if (fabrika) fabrika(this);
}

bool TFMainform::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == Zafologo && olay->type() == QEvent::MouseButtonRelease) {
        Web::AnaSayfaAc();
        return true;
    }
    if (nesne == mdi_->viewport() && olay->type() == QEvent::Resize && kose_) {
        kose_->move(mdi_->viewport()->width() - kose_->width() - 8,
                    mdi_->viewport()->height() - kose_->height() - 8);
        kose_->lower();
    }
    return QMainWindow::eventFilter(nesne, olay);
}

void TFMainform::closeEvent(QCloseEvent* olay) {
    if (bitiyor_) {
        olay->accept();
        return;
    }
    // The window is never closed: it goes back to the tray.
    olay->ignore();
    ProgramiGizle();
}

void TFMainform::changeEvent(QEvent* olay) {
    QMainWindow::changeEvent(olay);
    if (olay->type() == QEvent::WindowStateChange && tepsiVar_ && isMinimized() && isVisible()) {
        // Minimising sends the program to the tray, as the exit button does.
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            SbCikis->click();
        });
    }
}

void TFMainform::showEvent(QShowEvent* olay) {
    if (!yerlesimYuklendi_) {
        yerlesimYuklendi_ = true;
        // Centred on the screen the first time; where the user left it after that.
        if (QScreen* ekran = screen()) {
            QRect r(QPoint(), size());
            r.moveCenter(ekran->availableGeometry().center());
            setGeometry(r);
        }
        FormPlace.Yukle(this);
    }
    QMainWindow::showEvent(olay);
}

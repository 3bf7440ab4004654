#include "tfhakkinda.h"

#include <sys/utsname.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include "firma.h"
#include "sema.h"
#include "tfyonetimpaneli.h"
#include "web.h"
#include "zafofonksiyon.h"

namespace {

QLabel* etiket(const QString& ad, const QString& yazi = QString()) {
    auto* e = new QLabel(yazi);
    if (!ad.isEmpty()) e->setObjectName(ad);
    return e;
}

QLabel* baslik(const QString& yazi) {
    auto* e = new QLabel(yazi);
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return e;
}

}  // namespace

QString TFHakkinda::SistemAdi() {
    utsname u{};
    if (uname(&u) == 0) return QString::fromLocal8Bit(u.sysname);
    return QSysInfo::kernelType();
}

QString TFHakkinda::SistemKlasoru() {
    // The root the system is installed under, with the name of the system on it.
    const QString metin = QDir::rootPath() + QStringLiteral(" — ") + QSysInfo::prettyProductName();
    return metin.left(255);
}

TFHakkinda::TFHakkinda(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FHakkinda"));
    setWindowTitle(QStringLiteral("Hakkında ..."));

    auto* LProgadi = etiket(QStringLiteral("LProgadi"), QStringLiteral("Kovimaro"));
    // Its colour comes from the skin (the built-in one makes it maroon).
    QFont adFont = LProgadi->font();
    adFont.setPixelSize(30);
    adFont.setBold(true);
    LProgadi->setFont(adFont);
    auto* LProgacik =
        etiket(QStringLiteral("LProgacik"), QStringLiteral("Kişisel Ajanda Programı"));
    QFont acikFont = LProgacik->font();
    acikFont.setBold(true);
    acikFont.setPointSizeF(acikFont.pointSizeF() * 1.2);
    LProgacik->setFont(acikFont);
    auto* simge = new QLabel;
    simge->setObjectName(QStringLiteral("Progicon"));
    const QString programSimgesi = QStringLiteral(":/simgeler/kovimaro.svg");
    simge->setPixmap(
        (QFile::exists(programSimgesi) ? QIcon(programSimgesi) : windowIcon()).pixmap(56, 56));

    auto* LTarih = etiket(QStringLiteral("LTarih"), QStringLiteral("20/03/2012"));
    LSurum = etiket(QStringLiteral("LSurum"));
    Ltuslar = etiket(QStringLiteral("Ltuslar"));
    Lprogram = etiket(QStringLiteral("Lprogram"));
    Lprogram->setWordWrap(true);
    LWindows = etiket(QStringLiteral("LWindows"));
    LWindows->setWordWrap(true);
    for (QLabel* e : {LTarih, LSurum, Ltuslar, Lprogram, LWindows})
        e->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* LWindowsBaslik = baslik(SistemAdi());
    LWindowsBaslik->setObjectName(QStringLiteral("LWindowsBaslik"));

    auto* bilgiler = new QGridLayout;
    bilgiler->setHorizontalSpacing(12);
    int satir = 0;
    const auto ekle = [&](QLabel* b, QLabel* deger) {
        bilgiler->addWidget(b, satir, 0);
        bilgiler->addWidget(deger, satir++, 1);
    };
    ekle(baslik(QStringLiteral("Üretim Tarihi :")), LTarih);
    ekle(baslik(QStringLiteral("Sürüm Numarası :")), LSurum);
    ekle(baslik(QStringLiteral("Tanımlı Tuşlar")), Ltuslar);
    ekle(baslik(QStringLiteral("Program")), Lprogram);
    ekle(LWindowsBaslik, LWindows);
    bilgiler->setColumnStretch(1, 1);

    // The change history is kept in the design but never shown: the maker's
    // details take its place.
    Grdegisiklik = new QGroupBox(QStringLiteral(" Değişiklikler "));
    Grdegisiklik->setObjectName(QStringLiteral("Grdegisiklik"));
    Grdegisiklik->hide();
    Grsirket = new QGroupBox(QStringLiteral(" İletişim "));
    Grsirket->setObjectName(QStringLiteral("Grsirket"));
    auto* sirket = new QGridLayout(Grsirket);
    auto* LSirket = etiket(QStringLiteral("LSirket"), QString::fromUtf8(Firma::kAd));
    QFont sirketFont = LSirket->font();
    sirketFont.setBold(true);
    LSirket->setFont(sirketFont);
    sirket->addWidget(LSirket, 0, 0);
    sirket->addWidget(etiket(QStringLiteral("LWeb"),
                             QString::fromLatin1(Web::kSiteAdresi).section(QLatin1String("//"), 1)),
                      1, 0);
    sirket->addWidget(etiket(QStringLiteral("LTelefon1"), QString::fromUtf8(Firma::kTelefon1)), 0,
                      1);
    sirket->addWidget(etiket(QStringLiteral("LTelefon2"), QString::fromUtf8(Firma::kTelefon2)), 1,
                      1);

    BCikis = new QPushButton(QStringLiteral("&Çıkış"));
    BCikis->setObjectName(QStringLiteral("BCikis"));
    const QString cikisSimgesi = QStringLiteral(":/simgeler/cikis.svg");
    BCikis->setIcon(QFile::exists(cikisSimgesi)
                        ? QIcon(cikisSimgesi)
                        : style()->standardIcon(QStyle::SP_DialogCloseButton));
    BCikis->setIconSize(QSize(24, 24));
    BCikis->setMinimumSize(100, 34);
    QFont cikisFont = BCikis->font();
    cikisFont.setBold(true);
    BCikis->setFont(cikisFont);
    BCikis->installEventFilter(this);
    connect(BCikis, &QPushButton::clicked, this, [this] { done(-1); });

    auto* ust = new QGridLayout;
    ust->addWidget(simge, 0, 0, 2, 1, Qt::AlignTop);
    ust->addWidget(LProgadi, 0, 1);
    ust->addWidget(LProgacik, 1, 1);
    ust->setColumnStretch(1, 1);
    auto* alt = new QHBoxLayout;
    alt->addStretch(1);
    alt->addWidget(BCikis);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(ust);
    duzen->addSpacing(6);
    duzen->addLayout(bilgiler);
    duzen->addStretch(1);
    duzen->addWidget(Grdegisiklik);
    duzen->addWidget(Grsirket);
    duzen->addLayout(alt);

    // Sized for the design, or larger when the skin's fonts need the room.
    ensurePolished();
    Ltuslar->setText(Sema::TusMetni());
    setFixedSize(QSize(516, 322).expandedTo(minimumSizeHint()));
    Ltuslar->clear();
}

void TFHakkinda::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    FormShow();
}

void TFHakkinda::FormShow() {
    Grdegisiklik->hide();
    Grsirket->show();
    Ltuslar->setText(TusTanimlari);
    Lprogram->setText(QCoreApplication::applicationFilePath());
    LSurum->setText(QString::number(Sema::kSurum));
    LWindows->setText(SistemKlasoru());
    kurulu_ = false;
    BCikis->setFocus(Qt::OtherFocusReason);
}

void TFHakkinda::reject() {
    // Esc is the "Çıkış" button.
    done(-1);
}

bool TFHakkinda::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == BCikis && olay->type() == QEvent::KeyPress) {
        auto* tus = static_cast<QKeyEvent*>(olay);
        BCikisKeyDown(tus->key(), tus->modifiers());
    }
    return QDialog::eventFilter(nesne, olay);
}

void TFHakkinda::BCikisKeyDown(int tus, Qt::KeyboardModifiers tuslar) {
    if (tus == Qt::Key_F7 && tuslar.testFlag(Qt::ShiftModifier)) {
        kurulu_ = true;
    } else if (tus == Qt::Key_F6 && tuslar.testFlag(Qt::ControlModifier) && kurulu_) {
        TFYonetimpaneli panel(this);
        panel.exec();
    }
}

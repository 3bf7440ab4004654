#include "tfyonetimpaneli.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pencereparcalari.h"
#include "tfveritabgoster.h"

TFYonetimpaneli::TFYonetimpaneli(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FYonetimpaneli"));
    setWindowTitle(QStringLiteral("Yönetim Paneli ..."));

    LFtptest = new QLabel(QStringLiteral("Yapılmadı"));
    LFtptest->setObjectName(QStringLiteral("LFtptest"));
    LMtest = new QLabel(QStringLiteral("Yapılmadı"));
    LMtest->setObjectName(QStringLiteral("LMtest"));
    auto* testler = new QGroupBox(QStringLiteral(" Testler "));
    testler->setObjectName(QStringLiteral("GrTestler"));
    auto* form = new QFormLayout(testler);
    auto* ftpBaslik = new QLabel(QStringLiteral("Ftp Test"));
    auto* mBaslik = new QLabel(QStringLiteral("M-Test"));
    for (QLabel* b : {ftpBaslik, mBaslik}) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    form->addRow(ftpBaslik, LFtptest);
    form->addRow(mBaslik, LMtest);

    auto* BTest = Pencere::KalinDugme(QStringLiteral("BTest"), QStringLiteral("Testleri Yap"));
    auto* BKaydet = Pencere::KalinDugme(QStringLiteral("BKaydet"), QStringLiteral("Kaydet"));
    auto* BVeritabani =
        Pencere::KalinDugme(QStringLiteral("BVeritabani"), QStringLiteral("Veritabanı"));
    auto* BCikis = Pencere::KalinDugme(QStringLiteral("BCikis"), QStringLiteral("Çıkış - Esc"));
    for (QPushButton* d : {BTest, BKaydet, BVeritabani, BCikis}) d->setAutoDefault(false);

    auto* yan = new QVBoxLayout;
    yan->addWidget(BTest);
    yan->addWidget(BVeritabani);
    yan->addStretch(1);
    auto* orta = new QHBoxLayout;
    orta->addWidget(testler, 1);
    orta->addLayout(yan);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(orta, 1);
    duzen->addLayout(Pencere::SagaDayali({BKaydet, BCikis}));

    connect(BTest, &QPushButton::clicked, this,
            [this] { LFtptest->setText(QStringLiteral("Yapılıyor. Bekleyiniz ...")); });
    connect(BKaydet, &QPushButton::clicked, this, [this] { done(1); });
    connect(BVeritabani, &QPushButton::clicked, this, [this] {
        TFVeritabgoster gosterici(this);
        gosterici.exec();
    });
    connect(BCikis, &QPushButton::clicked, this, [this] { done(-1); });

    ensurePolished();
    setFixedSize(QSize(473, 242).expandedTo(minimumSizeHint()));
}

void TFYonetimpaneli::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    LFtptest->setText(QStringLiteral("Yapılmadı"));
    LMtest->setText(QStringLiteral("Yapılmadı"));
}

void TFYonetimpaneli::reject() {
    done(-1);
}

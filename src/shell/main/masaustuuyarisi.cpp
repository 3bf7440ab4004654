#include "masaustuuyarisi.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

TMasaustuUyarisi::TMasaustuUyarisi(const Ayar& ayar, QWidget* sahip)
    : QWidget(sahip, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ayar_(ayar),
      sure_(new QTimer(this)) {
    setObjectName(QStringLiteral("MasaustuUyarisi"));
    setWindowTitle(ayar.baslik);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Drawn without the skin, always in the same colours.
    setStyleSheet(
        QStringLiteral("QLabel { color: #10243e; background: transparent; }"
                       "QPushButton#BKapat { border: none; color: #10243e; font-weight: bold; "
                       "font-size: 14px; }"));

    auto* baslik = new QLabel(ayar.baslik);
    baslik->setObjectName(QStringLiteral("Baslik"));
    QFont bf = baslik->font();
    bf.setPixelSize(ayar.baslikBoyu);
    bf.setBold(true);
    baslik->setFont(bf);
    auto* kapat = new QPushButton(QStringLiteral("×"));
    kapat->setObjectName(QStringLiteral("BKapat"));
    kapat->setAccessibleName(QStringLiteral("Kapat"));
    kapat->setFixedSize(22, 22);
    kapat->setCursor(Qt::PointingHandCursor);
    connect(kapat, &QPushButton::clicked, this, &TMasaustuUyarisi::kapanmayaBasla);

    auto* resim = new QLabel;
    resim->setPixmap(ayar.resim);
    resim->setFixedWidth(ayar.resim.isNull() ? 0 : 56);
    // The blank lines of the text are kept short so it fits the small window.
    QString gosterilen = ayar.metin.trimmed();
    gosterilen.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    auto* metin = new QLabel(gosterilen);
    metin->setObjectName(QStringLiteral("Metin"));
    metin->setWordWrap(true);
    QFont mf = metin->font();
    mf.setPixelSize(ayar.metinBoyu);
    metin->setFont(mf);

    auto* ust = new QHBoxLayout;
    ust->addWidget(baslik, 1);
    ust->addWidget(kapat);
    auto* alt = new QHBoxLayout;
    alt->addWidget(resim, 0, Qt::AlignTop);
    alt->addWidget(metin, 1);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(10, 6, 6, 8);
    duzen->setSpacing(4);
    duzen->addLayout(ust);
    duzen->addLayout(alt, 1);

    sure_->setSingleShot(true);
    connect(sure_, &QTimer::timeout, this, &TMasaustuUyarisi::kapanmayaBasla);
}

void TMasaustuUyarisi::Goster() {
    QScreen* ekran = QGuiApplication::primaryScreen();
    const QRect alan = ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
    hedef_ = QRect(alan.right() - ayar_.genislik - 8, alan.bottom() - ayar_.yukseklik - 8,
                   ayar_.genislik, ayar_.yukseklik);
    // It grows from its centre in short steps.
    auto* a = new QVariantAnimation(this);
    a->setStartValue(0.1);
    a->setEndValue(1.0);
    a->setDuration(ayar_.acilisAdimi * ayar_.acilisSuresi);
    connect(a, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        const double k = v.toDouble();
        const QSize boy(qMax(1, int(hedef_.width() * k)), qMax(1, int(hedef_.height() * k)));
        QRect r(QPoint(), boy);
        r.moveCenter(hedef_.center());
        setGeometry(r);
    });
    connect(a, &QVariantAnimation::finished, this, [this] {
        setGeometry(hedef_);
        sure_->start(ayar_.gosterim);
    });
    animasyon_ = a;
    setGeometry(QRect(hedef_.center(), QSize(1, 1)));
    show();
    a->start(QAbstractAnimation::DeleteWhenStopped);
}

void TMasaustuUyarisi::kapanmayaBasla() {
    if (bitti_) return;
    sure_->stop();
    if (animasyon_) animasyon_->stop();
    auto* a = new QVariantAnimation(this);
    a->setStartValue(1.0);
    a->setEndValue(0.0);
    a->setDuration(ayar_.kapanisAdimi * ayar_.kapanisSuresi);
    connect(a, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { setWindowOpacity(v.toDouble()); });
    connect(a, &QVariantAnimation::finished, this, &QWidget::close);
    animasyon_ = a;
    a->start(QAbstractAnimation::DeleteWhenStopped);
}

void TMasaustuUyarisi::closeEvent(QCloseEvent* olay) {
    if (!bitti_) {
        bitti_ = true;
        emit kapandi();
    }
    QWidget::closeEvent(olay);
}

void TMasaustuUyarisi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient zemin(0, 0, 0, height());
    zemin.setColorAt(0, QColor(0xf4, 0xf8, 0xff));
    zemin.setColorAt(1, QColor(0xc8, 0xdc, 0xf8));
    p.setBrush(zemin);
    p.setPen(QPen(QColor(0x3a, 0x5f, 0x9a), 1.5));
    p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 8, 8);
}

void TMasaustuUyarisi::mousePressEvent(QMouseEvent* olay) {
    if (olay->button() == Qt::LeftButton) {
        surukleniyor_ = true;
        tutma_ = olay->globalPosition().toPoint() - frameGeometry().topLeft();
        sure_->stop();  // the user is reading it
    }
}

void TMasaustuUyarisi::mouseMoveEvent(QMouseEvent* olay) {
    if (surukleniyor_ && (olay->buttons() & Qt::LeftButton))
        move(olay->globalPosition().toPoint() - tutma_);
}

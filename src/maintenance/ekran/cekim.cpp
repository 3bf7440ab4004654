#include "cekim.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdio>

Cekim::Cekim(QString klasor) : klasor_(std::move(klasor)) {
    bekci_.setInterval(40);
    connect(&bekci_, &QTimer::timeout, this, &Cekim::bak);
    bekci_.start();
}

void Cekim::bekle(int ms) {
    QEventLoop dongu;
    QTimer::singleShot(ms, &dongu, &QEventLoop::quit);
    dongu.exec();
}

void Cekim::kapat(QWidget* pencere) {
    if (auto* d = qobject_cast<QDialog*>(pencere))
        d->done(QDialog::Rejected);
    else
        pencere->close();
}

QString Cekim::Kisalt(const QString& ad) {
    static const QHash<QChar, QString> harfler = {
        {QChar(0x00E7), QStringLiteral("c")}, {QChar(0x011F), QStringLiteral("g")},
        {QChar(0x0131), QStringLiteral("i")}, {QChar(0x00F6), QStringLiteral("o")},
        {QChar(0x015F), QStringLiteral("s")}, {QChar(0x00FC), QStringLiteral("u")},
    };
    QString sonuc;
    bool tire = false;
    for (const QChar c : ad.toLower()) {
        const QString h =
            harfler.value(c, c.isLetterOrNumber() && c.unicode() < 128 ? QString(c) : QString());
        if (h.isEmpty()) {
            tire = !sonuc.isEmpty();
            continue;
        }
        if (tire) sonuc += QLatin1Char('-');
        tire = false;
        sonuc += h;
    }
    return sonuc;
}

QString Cekim::pencereAdi(QWidget* pencere) const {
    static const QHash<QString, QString> bilinen = {
        {QStringLiteral("FTemalar"), QStringLiteral("temalar")},
        {QStringLiteral("FTanimyedek"), QStringLiteral("yedekleme-tanimlari")},
        {QStringLiteral("FHakkinda"), QStringLiteral("hakkinda")},
        {QStringLiteral("FYonetimpaneli"), QStringLiteral("yonetim-paneli")},
        {QStringLiteral("FVeritabgoster"), QStringLiteral("veritabani")},
        {QStringLiteral("FSilonay"), QStringLiteral("silme-onayi")},
    };
    const QString ad = pencere->objectName();
    if (bilinen.contains(ad)) return bilinen.value(ad);
    if (!siradakiAd_.isEmpty()) return siradakiAd_;
    return Kisalt(ad.startsWith(QLatin1Char('F')) ? ad.mid(1) : ad);
}

void Cekim::kaydet(QWidget* pencere, const QString& ad) {
    const QString yol = QDir(klasor_).filePath(onEk_ + ad + QStringLiteral(".png"));
    QDir().mkpath(QFileInfo(yol).path());
    if (pencere->grab().save(yol)) {
        ++sayi_;
        std::printf("%s\n", qPrintable(yol));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(yol));
    }
}

void Cekim::ekranKaydet(const QString& ad) {
    QScreen* ekran = QGuiApplication::primaryScreen();
    if (!ekran) return;
    const QString yol = QDir(klasor_).filePath(onEk_ + ad + QStringLiteral(".png"));
    // The right-hand strip of the screen: the notification area at the top,
    // the desktop alert at the bottom.
    const QRect alan = ekran->geometry();
    const int genislik = std::min(alan.width(), 520);
    if (ekran->grabWindow(0, alan.right() + 1 - genislik, alan.top(), genislik, alan.height())
            .save(yol)) {
        ++sayi_;
        std::printf("%s\n", qPrintable(yol));
    }
}

void Cekim::setIsleyici(const QString& nesneAdi, Isleyici isle) {
    isleyiciler_.insert(nesneAdi, std::move(isle));
}

void Cekim::cekVeKapat(QWidget* pencere, const QString& ad, int gecikme) {
    QPointer<QWidget> p(pencere);
    QTimer::singleShot(gecikme, pencere, [this, p, ad] {
        if (!p) return;
        kaydet(p, ad);
        kapat(p);
    });
}

void Cekim::modalIcinde(const QString& ad, const std::function<void()>& adim) {
    siradakiAd_ = ad;
    adim();
    bekle(50);
    siradakiAd_.clear();
}

void Cekim::bak() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || gorulen_.contains(w)) return;
    gorulen_.insert(w);
    connect(w, &QObject::destroyed, this, [this, w] { gorulen_.remove(w); });
    const auto it = isleyiciler_.constFind(w->objectName());
    if (it != isleyiciler_.constEnd())
        (*it)(w);
    else
        cekVeKapat(w, pencereAdi(w));
}

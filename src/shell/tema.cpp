#include "tema.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

static void temaKaynaklari() { Q_INIT_RESOURCE(temalar); }

TemaYoneticisi& TemaYoneticisi::Ornek() {
    // The built-in skin is compiled into this static library.
    static const bool kaynak = (temaKaynaklari(), true);
    Q_UNUSED(kaynak);
    static TemaYoneticisi ornek;
    return ornek;
}

void TemaYoneticisi::setKlasor(const QString& klasor) { klasor_ = klasor; }

QStringList TemaYoneticisi::Temalar() const {
    QStringList adlar;
    const QDir dizin(klasor_);
    if (!klasor_.isEmpty() && dizin.exists()) {
        for (const QFileInfo& f : dizin.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (f.isFile() && f.suffix().compare(QLatin1String("qss"), Qt::CaseInsensitive) == 0)
                adlar << f.completeBaseName();
            else if (f.isDir() && !QDir(f.filePath()).entryList({QStringLiteral("*.qss")}, QDir::Files).isEmpty())
                adlar << f.fileName();
        }
    }
    adlar.removeDuplicates();
    std::sort(adlar.begin(), adlar.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    adlar.prepend(QString::fromLatin1(kIcTema));
    return adlar;
}

QString TemaYoneticisi::StilMetni(const QString& ad) const {
    if (ad == QLatin1String(kIcTema)) {
        QFile f(QStringLiteral(":/temalar/retro.qss"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    const QDir dizin(klasor_);
    QFile dosya(dizin.filePath(ad + QStringLiteral(".qss")));
    if (dosya.open(QIODevice::ReadOnly)) return QString::fromUtf8(dosya.readAll());
    const QDir klasor(dizin.filePath(ad));
    const QStringList sayfalar = klasor.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
    if (klasor.exists() && !sayfalar.isEmpty()) {
        QFile f(klasor.filePath(sayfalar.first()));
        if (!f.open(QIODevice::ReadOnly)) return QString();
        // Pictures are named relative to the skin's folder.
        static const QRegularExpression resim(
            QStringLiteral("url\\(\\s*[\"']?(?![/:])([^\"')]+)[\"']?\\s*\\)"));
        QString metin = QString::fromUtf8(f.readAll());
        metin.replace(resim, QStringLiteral("url(\"") + klasor.absolutePath() + QStringLiteral("/\\1\")"));
        return metin;
    }
    return QString();
}

void TemaYoneticisi::setAd(const QString& ad) {
    ad_ = Temalar().contains(ad) ? ad : QString::fromLatin1(kIcTema);
    uygula();
    emit temaDegisti(ad_);
}

void TemaYoneticisi::setAktif(bool aktif) {
    if (aktif_ == aktif) return;
    aktif_ = aktif;
    uygula();
}

void TemaYoneticisi::uygula() {
    if (auto* uyg = qobject_cast<QApplication*>(QCoreApplication::instance()))
        uyg->setStyleSheet(aktif_ ? StilMetni(ad_) : QString());
}

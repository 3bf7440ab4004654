#include "yerlesim.h"

#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

Yerlesim::Yerlesim(QString dosya, QString bolum, Depo depo)
    : dosya_(std::move(dosya)), bolum_(std::move(bolum)), depo_(depo) {}

QString Yerlesim::DosyaYolu(const QString& dosya) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kovimaro/") + dosya + QStringLiteral(".ini");
}

std::unique_ptr<QSettings> Yerlesim::ayarlar() const {
    if (depo_ == Depo::Yerel) return std::make_unique<QSettings>(dosya_, bolum_);
    return std::make_unique<QSettings>(DosyaYolu(dosya_), QSettings::IniFormat);
}

void Yerlesim::Yukle(QWidget* pencere, QHeaderView* baslik) const {
    auto s = ayarlar();
    if (depo_ == Depo::Dosya) s->beginGroup(bolum_);
    const QByteArray geometri = s->value(QStringLiteral("Geometri")).toByteArray();
    if (!geometri.isEmpty()) pencere->restoreGeometry(geometri);
    if (baslik) {
        const QByteArray sutunlar = s->value(QStringLiteral("Sutunlar")).toByteArray();
        if (!sutunlar.isEmpty()) baslik->restoreState(sutunlar);
    }
}

void Yerlesim::Kaydet(const QWidget* pencere, const QHeaderView* baslik) const {
    if (!kayitAcik) return;
    auto s = ayarlar();
    if (depo_ == Depo::Dosya) s->beginGroup(bolum_);
    s->setValue(QStringLiteral("Geometri"), pencere->saveGeometry());
    if (baslik) s->setValue(QStringLiteral("Sutunlar"), baslik->saveState());
}

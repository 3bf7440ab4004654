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

namespace {
// The first grid's columns are kept under "Sutunlar", further grids' under "Sutunlar2", ...
QString sutunAnahtari(int sira) {
    return sira == 0 ? QStringLiteral("Sutunlar") : QStringLiteral("Sutunlar%1").arg(sira + 1);
}
}  // namespace

void Yerlesim::Yukle(QWidget* pencere, QHeaderView* baslik) const {
    Yukle(pencere, baslik ? QList<QHeaderView*>{baslik} : QList<QHeaderView*>{});
}

void Yerlesim::Kaydet(const QWidget* pencere, const QHeaderView* baslik) const {
    if (!kayitAcik) return;
    auto s = ayarlar();
    if (depo_ == Depo::Dosya) s->beginGroup(bolum_);
    s->setValue(QStringLiteral("Geometri"), pencere->saveGeometry());
    if (baslik) s->setValue(sutunAnahtari(0), baslik->saveState());
}

void Yerlesim::Yukle(QWidget* pencere, const QList<QHeaderView*>& basliklar) const {
    auto s = ayarlar();
    if (depo_ == Depo::Dosya) s->beginGroup(bolum_);
    const QByteArray geometri = s->value(QStringLiteral("Geometri")).toByteArray();
    if (!geometri.isEmpty()) pencere->restoreGeometry(geometri);
    for (int i = 0; i < basliklar.size(); ++i) {
        const QByteArray sutunlar = s->value(sutunAnahtari(i)).toByteArray();
        if (basliklar[i] && !sutunlar.isEmpty()) basliklar[i]->restoreState(sutunlar);
    }
}

void Yerlesim::Kaydet(const QWidget* pencere, const QList<QHeaderView*>& basliklar) const {
    if (!kayitAcik) return;
    auto s = ayarlar();
    if (depo_ == Depo::Dosya) s->beginGroup(bolum_);
    s->setValue(QStringLiteral("Geometri"), pencere->saveGeometry());
    for (int i = 0; i < basliklar.size(); ++i)
        if (basliklar[i]) s->setValue(sutunAnahtari(i), basliklar[i]->saveState());
}

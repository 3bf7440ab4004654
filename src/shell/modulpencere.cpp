#include "modulpencere.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiSubWindow>

ModulPencere::ModulPencere(const QString& ad, Yerlesim yerlesim, QWidget* parent)
    : QWidget(parent), yerlesim_(std::move(yerlesim)) {
    setObjectName(ad);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ModulPencere::kapat() {
    if (auto* cerceve = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cerceve->close();
    else
        close();
}

void ModulPencere::showEvent(QShowEvent* olay) {
    QWidget::showEvent(olay);
    if (yuklendi_) return;
    yuklendi_ = true;
    QWidget* cerceve = qobject_cast<QMdiSubWindow*>(parentWidget());
    yerlesim_.Yukle(cerceve ? cerceve : this, baslik_);
}

void ModulPencere::closeEvent(QCloseEvent* olay) {
    if (!kaydedildi_) {
        kaydedildi_ = true;
        QWidget* cerceve = qobject_cast<QMdiSubWindow*>(parentWidget());
        yerlesim_.Kaydet(cerceve ? cerceve : this, baslik_);
    }
    QWidget::closeEvent(olay);
}

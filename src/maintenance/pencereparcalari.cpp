#include "pencereparcalari.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace Pencere {

QPushButton* KalinDugme(const QString& ad, const QString& baslik) {
    auto* d = new QPushButton(baslik);
    d->setObjectName(ad);
    QFont f = d->font();
    f.setBold(true);
    d->setFont(f);
    d->setMinimumWidth(90);
    return d;
}

QBoxLayout* SagaDayali(std::initializer_list<QWidget*> parcalar) {
    auto* satir = new QHBoxLayout;
    satir->addStretch(1);
    for (QWidget* p : parcalar) satir->addWidget(p);
    return satir;
}

}  // namespace Pencere

#include "radyogrubu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadyoGrubu::RadyoGrubu(const QString& baslik, const QStringList& ogeler, QWidget* parent)
    : QGroupBox(baslik, parent), grup_(new QButtonGroup(this)) {
    auto* duzen = new QVBoxLayout(this);
    for (int i = 0; i < ogeler.size(); ++i) {
        auto* d = new QRadioButton(ogeler[i], this);
        grup_->addButton(d, i);
        ogeler_ << d;
        duzen->addWidget(d);
    }
    duzen->addStretch();
    connect(grup_, &QButtonGroup::idClicked, this, &RadyoGrubu::tiklandi);
}

int RadyoGrubu::itemIndex() const {
    return grup_->checkedId();
}

void RadyoGrubu::setItemIndex(int indeks) {
    if (indeks < 0 || indeks >= ogeler_.size()) {
        grup_->setExclusive(false);
        for (QRadioButton* d : ogeler_) d->setChecked(false);
        grup_->setExclusive(true);
    } else {
        ogeler_[indeks]->setChecked(true);
    }
    emit tiklandi(itemIndex());
}

QRadioButton* RadyoGrubu::oge(int indeks) const {
    return ogeler_.value(indeks);
}

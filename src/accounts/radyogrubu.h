#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons with one selected item, addressed by its
// index. Selecting an item, by a click or by setting the index, reports it
// through tiklandi, so that what depends on the choice follows either way.
class RadyoGrubu : public QGroupBox {
    Q_OBJECT

public:
    RadyoGrubu(const QString& baslik, const QStringList& ogeler, QWidget* parent = nullptr);

    int itemIndex() const;  // -1 when none is selected
    void setItemIndex(int indeks);
    QRadioButton* oge(int indeks) const;

signals:
    void tiklandi(int indeks);

private:
    QButtonGroup* grup_;
    QList<QRadioButton*> ogeler_;
};

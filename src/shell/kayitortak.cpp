#include "kayitortak.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

IslemTuslari::IslemTuslari(QAbstractButton* yeni, QAbstractButton* duzelt, QAbstractButton* sil,
                           QAbstractButton* cikis, QObject* parent)
    : QObject(parent), yeni_(yeni), duzelt_(duzelt), sil_(sil), cikis_(cikis) {}

void IslemTuslari::izle(QWidget* w) {
    w->installEventFilter(this);
}

bool IslemTuslari::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() != QEvent::KeyPress) return QObject::eventFilter(nesne, olay);
    QAbstractButton* dugme = nullptr;
    switch (static_cast<QKeyEvent*>(olay)->key()) {
        case Qt::Key_Escape:
            dugme = cikis_;
            break;
        case Qt::Key_F3:
            dugme = sil_;
            break;
        case Qt::Key_F7:
            dugme = yeni_;
            break;
        case Qt::Key_F8:
            dugme = duzelt_;
            break;
        default:
            return QObject::eventFilter(nesne, olay);
    }
    if (dugme) dugme->click();
    return true;
}

QPushButton* KalinDugme(const char* ad, const QString& baslik, QWidget* sahip) {
    auto* b = new QPushButton(baslik, sahip);
    b->setObjectName(QLatin1String(ad));
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

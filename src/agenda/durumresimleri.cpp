#include "durumresimleri.h"

#include <QPainter>
#include <QPainterPath>

namespace DurumResimleri {

namespace {

void zil(QPainter& p, const QColor& renk) {
    QPainterPath yol;
    yol.moveTo(3, 12);
    yol.cubicTo(5, 10, 4, 3, 8, 3);
    yol.cubicTo(12, 3, 11, 10, 13, 12);
    yol.closeSubpath();
    p.setPen(QPen(renk.darker(160), 1));
    p.setBrush(renk);
    p.drawPath(yol);
    p.drawEllipse(QRectF(6.5, 12, 3, 3));
}

QPixmap ciz(Resim resim) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (resim) {
        case AlarmAcik:
            zil(p, QColor(230, 170, 20));
            break;
        case AlarmKapali:
            zil(p, QColor(170, 170, 170));
            p.setPen(QPen(QColor(190, 30, 30), 2));
            p.drawLine(QPointF(2, 14), QPointF(14, 2));
            break;
        case Degisti:
            // A pencil: the box shows a change that is not stored.
            p.setPen(QPen(QColor(40, 80, 160), 1));
            p.setBrush(QColor(90, 140, 220));
            p.drawPolygon(
                QPolygonF({QPointF(3, 11), QPointF(11, 3), QPointF(13, 5), QPointF(5, 13)}));
            p.setBrush(QColor(40, 40, 40));
            p.drawPolygon(QPolygonF({QPointF(3, 11), QPointF(5, 13), QPointF(2, 14)}));
            break;
    }
    return pm;
}

}  // namespace

const QPixmap& Al(Resim resim) {
    static const QPixmap resimler[] = {ciz(AlarmAcik), ciz(AlarmKapali), ciz(Degisti)};
    return resimler[resim];
}

}  // namespace DurumResimleri

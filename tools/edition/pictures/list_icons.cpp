// ImageListSmall: the small icons of lists and trees: 0 and 2 selected states,
// 1 degree, 3 list bullet, 4 group, 5 place.
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QPainterPath>

namespace {

QImage small()
{
    return blankPicture(16, 16);
}

QImage selectedMark(const QColor& color)
{
    QImage icon = small();
    QPainter p(&icon);
    prepare(p);
    p.setBrush(color);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(QPen(palette::White, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5)});
    return icon;
}

QImage degree()
{
    QImage icon = small();
    QPainter p(&icon);
    prepare(p);
    p.setBrush(palette::Navy);
    p.drawPolygon(QPolygonF{QPointF(8, 2), QPointF(15.5, 6), QPointF(8, 10), QPointF(0.5, 6)});
    p.drawRect(QRectF(4, 7.5, 8, 4.5));
    p.setBrush(palette::Gold);
    p.drawRect(QRectF(13.5, 6, 1.2, 6));
    p.drawEllipse(QPointF(14.1, 12.5), 1.2, 1.5);
    return icon;
}

QImage bullet()
{
    QImage icon = small();
    QPainter p(&icon);
    prepare(p);
    p.setBrush(palette::Coral);
    p.drawPolygon(QPolygonF{QPointF(4, 3), QPointF(13, 8), QPointF(4, 13)});
    return icon;
}

QImage group()
{
    QImage icon = small();
    QPainter p(&icon);
    prepare(p);
    p.setBrush(palette::Gold.darker(110));
    p.drawRoundedRect(QRectF(1, 3, 7, 4), 1, 1);
    p.drawRoundedRect(QRectF(1, 4.5, 14, 10), 1.5, 1.5);
    p.setBrush(palette::Gold.lighter(120));
    p.drawRoundedRect(QRectF(1, 7, 14, 7.5), 1.5, 1.5);
    return icon;
}

QImage place()
{
    QImage icon = small();
    QPainter p(&icon);
    prepare(p);
    QPainterPath pin;
    pin.moveTo(8, 15.5);
    pin.cubicTo(4, 10, 2.5, 8, 2.5, 6);
    pin.cubicTo(2.5, 2.8, 5, 0.5, 8, 0.5);
    pin.cubicTo(11, 0.5, 13.5, 2.8, 13.5, 6);
    pin.cubicTo(13.5, 8, 12, 10, 8, 15.5);
    p.setBrush(palette::Coral);
    p.drawPath(pin);
    p.setBrush(palette::White);
    p.drawEllipse(QPointF(8, 6), 2.3, 2.3);
    return icon;
}

} // namespace

QList<QImage> listIcons()
{
    return {selectedMark(palette::Coral), degree(), selectedMark(palette::Leaf), bullet(), group(), place()};
}

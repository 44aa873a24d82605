// heli.bmp: a small friendly helicopter flying right.
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QPainterPath>

QImage helicopter()
{
    QImage picture = blankPicture(83, 28);
    QPainter p(&picture);
    prepare(p);
    // Rotor, mast, skids.
    p.setBrush(palette::Steel);
    p.drawRoundedRect(QRectF(22, 1, 56, 2.5), 1.2, 1.2);
    p.drawRect(QRectF(48, 3, 3, 5));
    p.setPen(QPen(palette::Steel.darker(120), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 25.5), QPointF(66, 25.5));
    p.drawLine(QPointF(44, 21), QPointF(42, 25.5));
    p.drawLine(QPointF(58, 21), QPointF(60, 25.5));
    p.setPen(Qt::NoPen);
    // Tail boom and tail rotor.
    QPainterPath tail;
    tail.moveTo(38, 11);
    tail.lineTo(8, 12);
    tail.lineTo(4, 6);
    tail.lineTo(8, 6);
    tail.lineTo(12, 10);
    tail.lineTo(38, 17);
    tail.closeSubpath();
    p.setBrush(palette::Coral.darker(110));
    p.drawPath(tail);
    p.setBrush(palette::Steel);
    p.drawEllipse(QPointF(6, 10), 2.2, 5.5);
    // Cabin with its window.
    p.setBrush(palette::Coral);
    p.drawEllipse(QRectF(30, 7, 46, 16));
    p.setBrush(palette::Coral.lighter(120));
    p.drawEllipse(QRectF(34, 8, 30, 5));
    QPainterPath window;
    window.moveTo(62, 9);
    window.quadTo(76, 11, 75, 17);
    window.lineTo(62, 17);
    window.closeSubpath();
    p.setBrush(palette::Glass);
    p.drawPath(window);
    p.setBrush(palette::GlassLight);
    p.drawEllipse(QRectF(66, 10.5, 4, 2.5));
    p.setBrush(palette::White);
    p.drawEllipse(QRectF(44, 13, 7, 6));
    p.setBrush(palette::Sky);
    p.drawEllipse(QRectF(45.5, 14.5, 4, 3));
    return picture;
}

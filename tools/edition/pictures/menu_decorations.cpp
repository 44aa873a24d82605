// The main menu's decoration (imagen: a young tree in a planter) and its
// "stop studying" sign (rotulon.bmp: a hanging board; the menu writes the
// sign's text over it).
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>

QImage menuDecoration()
{
    QImage picture = blankPicture(120, 150);
    QPainter p(&picture);
    prepare(p);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawEllipse(QRectF(24, 138, 72, 10));
    p.setBrush(palette::WoodDark);
    p.drawRect(QRectF(56, 60, 8, 52));
    p.setPen(QPen(palette::WoodDark, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 84), QPointF(44, 66));
    p.drawLine(QPointF(60, 78), QPointF(76, 60));
    p.setPen(Qt::NoPen);
    struct Puff {
        double x, y, r;
    };
    for (const Puff& puff : {Puff{60, 40, 30}, Puff{34, 56, 20}, Puff{86, 54, 22}, Puff{46, 28, 20}, Puff{76, 26, 20},
                             Puff{60, 62, 18}}) {
        p.setBrush(palette::LeafDark);
        p.drawEllipse(QPointF(puff.x, puff.y + 3), puff.r, puff.r);
    }
    for (const Puff& puff : {Puff{60, 38, 27}, Puff{34, 54, 17}, Puff{86, 52, 19}, Puff{46, 26, 17}, Puff{76, 24, 17},
                             Puff{60, 58, 15}}) {
        p.setBrush(palette::Leaf);
        p.drawEllipse(QPointF(puff.x, puff.y), puff.r, puff.r);
        p.setBrush(palette::Leaf.lighter(125));
        p.drawEllipse(QPointF(puff.x - puff.r * 0.35, puff.y - puff.r * 0.35), puff.r * 0.35, puff.r * 0.35);
    }
    p.setBrush(palette::Coral);
    for (const QPointF& fruit : {QPointF(40, 44), QPointF(72, 36), QPointF(58, 62), QPointF(90, 58), QPointF(50, 20)})
        p.drawEllipse(fruit, 3.5, 3.5);
    QPainterPath pot;
    pot.moveTo(30, 108);
    pot.lineTo(90, 108);
    pot.lineTo(82, 142);
    pot.lineTo(38, 142);
    pot.closeSubpath();
    QLinearGradient clay(QPointF(30, 0), QPointF(90, 0));
    clay.setColorAt(0, palette::BrickLight);
    clay.setColorAt(1, palette::BrickDark);
    p.setBrush(clay);
    p.drawPath(pot);
    p.setBrush(palette::Stone);
    p.drawRoundedRect(QRectF(26, 102, 68, 10), 3, 3);
    return picture;
}

QImage stopStudyingSign()
{
    QImage picture = blankPicture(180, 90);
    QPainter p(&picture);
    prepare(p);
    p.setPen(QPen(palette::Steel, 2));
    p.drawLine(QPointF(40, 0), QPointF(40, 16));
    p.drawLine(QPointF(140, 0), QPointF(140, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(6, 18, 172, 70), 10, 10);
    p.setBrush(palette::Maroon);
    p.drawRoundedRect(QRectF(2, 14, 172, 70), 10, 10);
    p.setBrush(palette::Gold);
    p.drawRoundedRect(QRectF(6, 18, 164, 62), 8, 8);
    p.setBrush(QColor(255, 255, 225));
    p.drawRoundedRect(QRectF(10, 22, 156, 54), 6, 6);
    for (const double x : {40.0, 140.0}) {
        p.setBrush(palette::Steel.darker(120));
        p.drawEllipse(QPointF(x, 16), 3, 3);
    }
    return picture;
}

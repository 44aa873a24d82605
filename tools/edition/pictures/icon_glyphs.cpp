#include "icon_glyphs.h"

#include "palette.h"

#include <QPainterPath>
#include <QtMath>
#include <array>

namespace glyphs {

namespace {

const QColor kWhite = palette::White;

void fill(QPainter& p, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
}

void stroke(QPainter& p, double width, const QColor& color = kWhite)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void nutAndBolt(QPainter& p)
{
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(5, 5, 9, 5), 1, 1);
    p.drawRect(QRectF(7.5, 10, 4, 15));
    stroke(p, 1, badgeColor(0));
    for (const double y : {14.0, 17.0, 20.0, 23.0})
        p.drawLine(QPointF(7.5, y), QPointF(11.5, y - 1.5));
    fill(p, kWhite);
    QPolygonF nut;
    for (int i = 0; i < 6; ++i)
        nut << QPointF(20 + 6.5 * std::cos(M_PI / 3 * i), 17 + 6.5 * std::sin(M_PI / 3 * i));
    p.drawPolygon(nut);
    fill(p, badgeColor(0));
    p.drawEllipse(QPointF(20, 17), 2.8, 2.8);
}

void sprout(QPainter& p)
{
    stroke(p, 2.2);
    p.drawLine(QPointF(15, 25), QPointF(15, 13));
    fill(p, kWhite);
    QPainterPath left;
    left.moveTo(15, 16);
    left.cubicTo(8, 17, 5, 12, 6, 7);
    left.cubicTo(11, 7, 15, 10, 15, 16);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(15, 13);
    right.cubicTo(17, 6, 22, 4, 26, 5);
    right.cubicTo(25, 11, 21, 14, 15, 13);
    p.drawPath(right);
    p.drawRoundedRect(QRectF(8, 24, 14, 3), 1.5, 1.5);
}

void document(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath sheet;
    sheet.moveTo(8, 5);
    sheet.lineTo(18, 5);
    sheet.lineTo(23, 10);
    sheet.lineTo(23, 25);
    sheet.lineTo(8, 25);
    sheet.closeSubpath();
    p.drawPath(sheet);
    stroke(p, 1.4, badgeColor(2));
    for (const double y : {12.0, 16.0, 20.0})
        p.drawLine(QPointF(11, y), QPointF(20, y));
    p.drawLine(QPointF(18, 5), QPointF(18, 10));
    p.drawLine(QPointF(18, 10), QPointF(23, 10));
}

void trolley(QPainter& p)
{
    stroke(p, 2);
    p.drawPolyline(QPolygonF{QPointF(4, 7), QPointF(8, 7), QPointF(11, 19), QPointF(23, 19)});
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(9, 10), QPointF(26, 10), QPointF(23, 17), QPointF(11, 17)});
    p.drawEllipse(QPointF(12, 23), 2.2, 2.2);
    p.drawEllipse(QPointF(22, 23), 2.2, 2.2);
}

void openBook(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath left;
    left.moveTo(15, 9);
    left.cubicTo(11, 6, 7, 6, 4, 7);
    left.lineTo(4, 23);
    left.cubicTo(7, 22, 11, 22, 15, 25);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(15, 9);
    right.cubicTo(19, 6, 23, 6, 26, 7);
    right.lineTo(26, 23);
    right.cubicTo(23, 22, 19, 22, 15, 25);
    right.closeSubpath();
    p.drawPath(right);
    stroke(p, 1, badgeColor(4));
    p.drawLine(QPointF(15, 9), QPointF(15, 25));
    for (const double y : {12.0, 15.0, 18.0}) {
        p.drawLine(QPointF(6.5, y), QPointF(12.5, y + 1));
        p.drawLine(QPointF(17.5, y + 1), QPointF(23.5, y));
    }
}

void musicNotes(QPainter& p)
{
    fill(p, kWhite);
    p.drawEllipse(QPointF(9, 21), 3.5, 2.8);
    p.drawEllipse(QPointF(21, 19), 3.5, 2.8);
    p.drawRect(QRectF(11.3, 7, 1.8, 14));
    p.drawRect(QRectF(23.3, 5, 1.8, 14));
    p.drawPolygon(QPolygonF{QPointF(11.3, 7), QPointF(25.1, 5), QPointF(25.1, 9), QPointF(11.3, 11)});
}

void globe(QPainter& p)
{
    fill(p, kWhite);
    p.drawEllipse(QPointF(15, 15), 10, 10);
    fill(p, palette::Leaf);
    QPainterPath land;
    land.moveTo(9, 9);
    land.cubicTo(13, 7, 16, 10, 14, 14);
    land.cubicTo(12, 17, 14, 21, 11, 22);
    land.cubicTo(7, 19, 6, 13, 9, 9);
    p.drawPath(land);
    QPainterPath island;
    island.moveTo(18, 12);
    island.cubicTo(22, 10, 25, 14, 23, 18);
    island.cubicTo(21, 21, 18, 18, 18, 12);
    p.drawPath(island);
}

void pickaxe(QPainter& p)
{
    stroke(p, 2.6);
    p.drawLine(QPointF(9, 24), QPointF(20, 9));
    fill(p, kWhite);
    QPainterPath head;
    head.moveTo(8, 8);
    head.quadTo(17, 2, 27, 10);
    head.quadTo(17, 6, 8, 8);
    p.setPen(QPen(kWhite, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{QPointF(17, 22), QPointF(22, 18), QPointF(27, 21), QPointF(26, 26), QPointF(18, 26)});
}

void car(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath body;
    body.moveTo(4, 20);
    body.lineTo(4, 16);
    body.quadTo(5, 14, 8, 14);
    body.lineTo(11, 9);
    body.lineTo(20, 9);
    body.lineTo(23, 14);
    body.quadTo(26, 14, 26, 17);
    body.lineTo(26, 20);
    body.closeSubpath();
    p.drawPath(body);
    fill(p, badgeColor(8));
    p.drawPolygon(QPolygonF{QPointF(12, 11), QPointF(15, 11), QPointF(15, 14), QPointF(10.5, 14)});
    p.drawPolygon(QPolygonF{QPointF(16.5, 11), QPointF(19, 11), QPointF(21, 14), QPointF(16.5, 14)});
    fill(p, palette::Ink);
    p.drawEllipse(QPointF(9, 21), 3.2, 3.2);
    p.drawEllipse(QPointF(21, 21), 3.2, 3.2);
    fill(p, palette::Steel);
    p.drawEllipse(QPointF(9, 21), 1.3, 1.3);
    p.drawEllipse(QPointF(21, 21), 1.3, 1.3);
}

void artPalette(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath board;
    board.addEllipse(QPointF(14, 15), 11, 9);
    QPainterPath thumb;
    thumb.addEllipse(QPointF(17, 19), 2.5, 2.5);
    p.drawPath(board.subtracted(thumb));
    const std::array<QColor, 4> paints{palette::Coral, palette::Sky, palette::Gold, palette::Leaf};
    const std::array<QPointF, 4> places{QPointF(8, 14), QPointF(11, 9.5), QPointF(17, 9), QPointF(21, 13.5)};
    for (size_t i = 0; i < paints.size(); ++i) {
        fill(p, paints[i]);
        p.drawEllipse(places[i], 2, 2);
    }
    stroke(p, 2, palette::WoodDark);
    p.drawLine(QPointF(20, 24), QPointF(27, 17));
}

void lightBulb(QPainter& p)
{
    fill(p, palette::Gold.lighter(130));
    p.drawEllipse(QPointF(15, 12), 7, 7);
    fill(p, kWhite);
    p.drawEllipse(QPointF(15, 12), 5.5, 5.5);
    p.drawPolygon(QPolygonF{QPointF(11, 15), QPointF(19, 15), QPointF(18, 20), QPointF(12, 20)});
    fill(p, palette::Steel.lighter(130));
    p.drawRoundedRect(QRectF(11.5, 20, 7, 5), 1.5, 1.5);
    stroke(p, 1.4);
    for (const double angle : {-60.0, -30.0, 0.0, 30.0, 60.0}) {
        const double a = qDegreesToRadians(angle - 90);
        p.drawLine(QPointF(15 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a)),
                   QPointF(15 + 12 * std::cos(a), 12 + 12 * std::sin(a)));
    }
}

void aeroplane(QPainter& p)
{
    fill(p, kWhite);
    p.save();
    p.translate(15, 15);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-2, -12, 4, 24), 2, 2);
    p.drawPolygon(QPolygonF{QPointF(-11, 2), QPointF(0, -5), QPointF(11, 2), QPointF(11, 4), QPointF(-11, 4)});
    p.drawPolygon(QPolygonF{QPointF(-5, 11), QPointF(0, 7), QPointF(5, 11), QPointF(5, 12.5), QPointF(-5, 12.5)});
    p.restore();
}

void screen(QPainter& p)
{
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(4, 6, 22, 15), 2, 2);
    fill(p, palette::Sky.lighter(140));
    p.drawRect(QRectF(6, 8, 18, 11));
    fill(p, kWhite);
    p.drawRect(QRectF(13, 21, 4, 3));
    p.drawRoundedRect(QRectF(9, 24, 12, 2.5), 1, 1);
    stroke(p, 1.3, badgeColor(12));
    p.drawPolyline(QPolygonF{QPointF(10, 11), QPointF(8, 13.5), QPointF(10, 16)});
    p.drawPolyline(QPolygonF{QPointF(20, 11), QPointF(22, 13.5), QPointF(20, 16)});
    p.drawLine(QPointF(16, 10.5), QPointF(14, 16.5));
}

void atom(QPainter& p)
{
    stroke(p, 1.6);
    for (const double angle : {0.0, 60.0, 120.0}) {
        p.save();
        p.translate(15, 15);
        p.rotate(angle);
        p.drawEllipse(QPointF(0, 0), 11, 4.2);
        p.restore();
    }
    fill(p, palette::Gold.lighter(120));
    p.drawEllipse(QPointF(15, 15), 2.8, 2.8);
}

void person(QPainter& p, const QPointF& head, double size)
{
    p.drawEllipse(head, size * 0.32, size * 0.32);
    QPainterPath body;
    body.moveTo(head.x() - size * 0.5, head.y() + size * 1.15);
    body.quadTo(head.x() - size * 0.5, head.y() + size * 0.4, head.x(), head.y() + size * 0.4);
    body.quadTo(head.x() + size * 0.5, head.y() + size * 0.4, head.x() + size * 0.5, head.y() + size * 1.15);
    body.closeSubpath();
    p.drawPath(body);
}

void adultAndChild(QPainter& p)
{
    fill(p, kWhite);
    person(p, QPointF(11, 9), 13);
    person(p, QPointF(21, 15), 9);
    fill(p, palette::Coral.lighter(115));
    QPainterPath heart;
    heart.moveTo(21, 8.5);
    heart.cubicTo(19, 5, 15.5, 7, 18, 9.5);
    heart.lineTo(21, 12);
    heart.lineTo(24, 9.5);
    heart.cubicTo(26.5, 7, 23, 5, 21, 8.5);
    p.drawPath(heart);
}

void magnifier(QPainter& p)
{
    stroke(p, 2.4);
    p.drawEllipse(QPointF(13, 13), 7, 7);
    stroke(p, 4);
    p.drawLine(QPointF(18.5, 18.5), QPointF(24, 24));
    fill(p, QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(11, 11), 3, 3);
}

void cross(QPainter& p)
{
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(11.5, 5, 7, 20), 1.5, 1.5);
    p.drawRoundedRect(QRectF(5, 11.5, 20, 7), 1.5, 1.5);
}

void scales(QPainter& p)
{
    stroke(p, 1.8);
    p.drawLine(QPointF(15, 5), QPointF(15, 24));
    p.drawLine(QPointF(6, 9), QPointF(24, 9));
    p.drawLine(QPointF(6, 9), QPointF(3.5, 17));
    p.drawLine(QPointF(6, 9), QPointF(8.5, 17));
    p.drawLine(QPointF(24, 9), QPointF(21.5, 17));
    p.drawLine(QPointF(24, 9), QPointF(26.5, 17));
    fill(p, kWhite);
    p.drawChord(QRectF(2.5, 13, 7, 7), 180 * 16, 180 * 16);
    p.drawChord(QRectF(20.5, 13, 7, 7), 180 * 16, 180 * 16);
    p.drawRoundedRect(QRectF(10, 23, 10, 3), 1, 1);
    p.drawEllipse(QPointF(15, 5.5), 1.8, 1.8);
}

void chefHat(QPainter& p)
{
    fill(p, kWhite);
    p.drawEllipse(QPointF(10, 12), 5.5, 5.5);
    p.drawEllipse(QPointF(20, 12), 5.5, 5.5);
    p.drawEllipse(QPointF(15, 9), 6.5, 6.5);
    p.drawRect(QRectF(9, 12, 12, 8));
    p.drawRoundedRect(QRectF(8.5, 20.5, 13, 4.5), 1, 1);
    stroke(p, 1, badgeColor(18));
    p.drawLine(QPointF(12.5, 15), QPointF(12.5, 19.5));
    p.drawLine(QPointF(17.5, 15), QPointF(17.5, 19.5));
}

void wheat(QPainter& p)
{
    stroke(p, 1.6);
    p.drawLine(QPointF(15, 26), QPointF(15, 6));
    fill(p, kWhite);
    for (int i = 0; i < 4; ++i) {
        const double y = 8 + 4.2 * i;
        for (const double side : {-1.0, 1.0}) {
            p.save();
            p.translate(15 + side * 3, y);
            p.rotate(side * 35);
            p.drawEllipse(QPointF(0, 0), 2, 3.4);
            p.restore();
        }
    }
    p.drawEllipse(QPointF(15, 5), 1.8, 3);
}

void twoPeople(QPainter& p)
{
    fill(p, kWhite);
    person(p, QPointF(10, 10), 12);
    person(p, QPointF(20, 10), 12);
    fill(p, badgeColor(20));
    p.drawRect(QRectF(14.6, 14, 0.8, 12));
}

void flask(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath glass;
    glass.moveTo(12, 5);
    glass.lineTo(18, 5);
    glass.lineTo(18, 12);
    glass.lineTo(25, 24);
    glass.quadTo(26, 26, 23, 26);
    glass.lineTo(7, 26);
    glass.quadTo(4, 26, 5, 24);
    glass.lineTo(12, 12);
    glass.closeSubpath();
    p.drawPath(glass);
    fill(p, palette::Leaf.lighter(110));
    QPainterPath liquid;
    liquid.moveTo(9, 18);
    liquid.lineTo(21, 18);
    liquid.lineTo(24, 23.5);
    liquid.quadTo(24.5, 24.5, 23, 24.5);
    liquid.lineTo(7, 24.5);
    liquid.quadTo(5.5, 24.5, 6, 23.5);
    liquid.closeSubpath();
    p.drawPath(liquid);
    fill(p, kWhite);
    p.drawEllipse(QPointF(13, 21.5), 1.3, 1.3);
    p.drawEllipse(QPointF(17.5, 20.5), 0.9, 0.9);
}

void star(QPainter& p)
{
    fill(p, kWhite);
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 11 : 4.6;
        const double a = -M_PI / 2 + M_PI / 5 * i;
        shape << QPointF(15 + r * std::cos(a), 16 + r * std::sin(a));
    }
    p.drawPolygon(shape);
}

void column(QPainter& p)
{
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(5, 9), QPointF(15, 4), QPointF(25, 9)});
    p.drawRect(QRectF(6, 9, 18, 2.5));
    p.drawRect(QRectF(5, 23, 20, 3));
    for (const double x : {8.0, 13.5, 19.0})
        p.drawRect(QRectF(x, 12.5, 3, 10));
}

void speechBubbles(QPainter& p)
{
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(3, 5, 16, 11), 4, 4);
    p.drawPolygon(QPolygonF{QPointF(7, 15), QPointF(6, 20), QPointF(11, 15)});
    fill(p, palette::Gold.lighter(125));
    p.drawRoundedRect(QRectF(12, 13, 15, 10), 4, 4);
    p.drawPolygon(QPolygonF{QPointF(23, 22), QPointF(25, 26.5), QPointF(19, 22)});
    fill(p, badgeColor(24));
    for (const double x : {7.5, 11.0, 14.5})
        p.drawEllipse(QPointF(x, 10.5), 1.1, 1.1);
}

void microphone(QPainter& p)
{
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(11, 4, 8, 14), 4, 4);
    stroke(p, 1.8);
    p.drawArc(QRectF(7.5, 8, 15, 14), 180 * 16, 180 * 16);
    p.drawLine(QPointF(15, 22), QPointF(15, 25));
    p.drawLine(QPointF(10, 25.5), QPointF(20, 25.5));
    stroke(p, 0.9, badgeColor(25));
    for (const double y : {8.0, 11.0, 14.0})
        p.drawLine(QPointF(12.5, y), QPointF(17.5, y));
}

void gear(QPainter& p, const QPointF& centre, double radius, const QColor& hole)
{
    fill(p, kWhite);
    p.save();
    p.translate(centre);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-radius * 0.2, -radius * 1.28, radius * 0.4, radius * 0.6));
        p.rotate(45);
    }
    p.restore();
    p.drawEllipse(centre, radius, radius);
    fill(p, hole);
    p.drawEllipse(centre, radius * 0.42, radius * 0.42);
}

void gears(QPainter& p)
{
    gear(p, QPointF(12, 13), 7, badgeColor(26));
    gear(p, QPointF(21.5, 21.5), 4.2, badgeColor(26));
}

void compasses(QPainter& p)
{
    stroke(p, 2.2);
    p.drawLine(QPointF(15, 7), QPointF(8, 25));
    p.drawLine(QPointF(15, 7), QPointF(22, 25));
    stroke(p, 1.4);
    p.drawArc(QRectF(5, 12, 20, 16), 200 * 16, 140 * 16);
    fill(p, kWhite);
    p.drawEllipse(QPointF(15, 7), 3, 3);
    p.drawRect(QRectF(14, 2, 2, 3));
}

void hardHat(QPainter& p)
{
    fill(p, palette::Gold.lighter(115));
    QPainterPath hat;
    hat.moveTo(6, 19);
    hat.cubicTo(6, 9, 24, 9, 24, 19);
    hat.closeSubpath();
    p.drawPath(hat);
    p.drawRoundedRect(QRectF(3, 18.5, 24, 4), 2, 2);
    fill(p, kWhite);
    p.drawRoundedRect(QRectF(13.5, 9, 3, 10), 1.5, 1.5);
}

void coinsAndChart(QPainter& p)
{
    fill(p, palette::Gold.lighter(120));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(4, 22 - 4 * i, 12, 4), 2, 2);
    fill(p, kWhite);
    p.drawRect(QRectF(18, 18, 3, 8));
    p.drawRect(QRectF(22.5, 13, 3, 13));
    stroke(p, 1.8);
    p.drawPolyline(QPolygonF{QPointF(5, 10), QPointF(11, 8), QPointF(16, 9), QPointF(24, 4)});
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(25.5, 3), QPointF(20, 3.5), QPointF(24, 7.5)});
}

void mortarboard(QPainter& p)
{
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(15, 5), QPointF(28, 11), QPointF(15, 17), QPointF(2, 11)});
    QPainterPath cap;
    cap.moveTo(8, 14);
    cap.lineTo(8, 20);
    cap.quadTo(15, 25, 22, 20);
    cap.lineTo(22, 14);
    cap.lineTo(15, 17.5);
    cap.closeSubpath();
    p.drawPath(cap);
    stroke(p, 1.2, palette::Gold.lighter(120));
    p.drawPolyline(QPolygonF{QPointF(15, 11), QPointF(25, 14), QPointF(25, 21)});
    fill(p, palette::Gold.lighter(120));
    p.drawEllipse(QPointF(25, 22), 1.5, 2);
}

void ball(QPainter& p)
{
    fill(p, kWhite);
    p.drawEllipse(QPointF(15, 15), 10.5, 10.5);
    fill(p, palette::Ink);
    QPolygonF patch;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + 2 * M_PI / 5 * i;
        patch << QPointF(15 + 4 * std::cos(a), 15 + 4 * std::sin(a));
    }
    p.drawPolygon(patch);
    stroke(p, 1, palette::Ink);
    for (const QPointF& corner : patch) {
        const QPointF out = QPointF(15, 15) + (corner - QPointF(15, 15)) * 2.6;
        p.drawLine(corner, out);
    }
}

void printer(QPainter& p)
{
    fill(p, kWhite);
    p.drawRect(QRectF(9, 4, 12, 7));
    p.drawRoundedRect(QRectF(4, 11, 22, 10), 2, 2);
    p.drawRect(QRectF(9, 18, 12, 8));
    fill(p, badgeColor(32));
    p.drawRect(QRectF(9, 17, 12, 1.2));
    fill(p, palette::Coral);
    p.drawRect(QRectF(11, 20.5, 8, 1.5));
    fill(p, palette::Sky);
    p.drawRect(QRectF(11, 23, 5, 1.5));
    fill(p, palette::Leaf);
    p.drawEllipse(QPointF(22.5, 14), 1.2, 1.2);
}

void lightning(QPainter& p)
{
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(17, 3), QPointF(7, 17), QPointF(14, 17), QPointF(11, 27), QPointF(23, 12),
                            QPointF(16, 12), QPointF(20, 3)});
}

void dropAndSun(QPainter& p)
{
    fill(p, palette::Gold.lighter(120));
    p.drawEllipse(QPointF(21, 9), 4, 4);
    stroke(p, 1.3, palette::Gold.lighter(120));
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI / 4 * i;
        p.drawLine(QPointF(21 + 5.5 * std::cos(a), 9 + 5.5 * std::sin(a)),
                   QPointF(21 + 7.5 * std::cos(a), 9 + 7.5 * std::sin(a)));
    }
    fill(p, kWhite);
    QPainterPath drop;
    drop.moveTo(11, 8);
    drop.cubicTo(14, 13, 18, 17, 18, 20.5);
    drop.cubicTo(18, 24.5, 15, 26.5, 11, 26.5);
    drop.cubicTo(7, 26.5, 4, 24.5, 4, 20.5);
    drop.cubicTo(4, 17, 8, 13, 11, 8);
    p.drawPath(drop);
    fill(p, badgeColor(34).lighter(140));
    p.drawEllipse(QPointF(8.5, 21), 1.3, 2.2);
}

void spanner(QPainter& p)
{
    fill(p, kWhite);
    p.save();
    p.translate(15, 15);
    p.rotate(45);
    p.drawRoundedRect(QRectF(-2.2, -4, 4.4, 16), 2, 2);
    QPainterPath head;
    head.addEllipse(QPointF(0, -7), 6, 6);
    QPainterPath jaw;
    jaw.addRect(QRectF(-2, -14, 4, 7));
    p.drawPath(head.subtracted(jaw));
    p.restore();
}

void clapperboard(QPainter& p)
{
    fill(p, kWhite);
    p.drawRect(QRectF(5, 12, 20, 13));
    p.save();
    p.translate(5, 11);
    p.rotate(-14);
    p.drawRect(QRectF(0, -4, 20, 4));
    fill(p, palette::Ink);
    for (const double x : {2.0, 8.0, 14.0})
        p.drawPolygon(QPolygonF{QPointF(x, -4), QPointF(x + 3, -4), QPointF(x + 1, 0), QPointF(x - 2, 0)});
    p.restore();
    fill(p, palette::Ink);
    for (const double x : {7.0, 13.0, 19.0})
        p.drawPolygon(QPolygonF{QPointF(x, 12), QPointF(x + 3, 12), QPointF(x + 1, 15), QPointF(x - 2, 15)});
    fill(p, palette::Coral);
    p.drawPolygon(QPolygonF{QPointF(13, 17), QPointF(19, 20.5), QPointF(13, 24)});
}

void scissors(QPainter& p)
{
    stroke(p, 2);
    p.drawEllipse(QPointF(9, 22), 3.2, 3.2);
    p.drawEllipse(QPointF(21, 22), 3.2, 3.2);
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(11, 19.5), QPointF(20, 4), QPointF(21.5, 5), QPointF(13.5, 20.5)});
    p.drawPolygon(QPolygonF{QPointF(19, 19.5), QPointF(10, 4), QPointF(8.5, 5), QPointF(16.5, 20.5)});
    fill(p, badgeColor(37));
    p.drawEllipse(QPointF(15, 13.5), 1, 1);
}

void chair(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath back;
    back.moveTo(7, 26);
    back.lineTo(8, 5);
    back.quadTo(9, 3.5, 11, 4);
    back.lineTo(12.5, 15);
    back.lineTo(11, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.drawRoundedRect(QRectF(8, 14.5, 16, 3.5), 1, 1);
    p.drawRect(QRectF(20.5, 17, 3, 9));
    p.setPen(QPen(badgeColor(38), 1));
    p.drawLine(QPointF(9.2, 8), QPointF(10.8, 8));
}

void fish(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath body;
    body.moveTo(4, 15);
    body.cubicTo(9, 6, 18, 6, 22, 15);
    body.cubicTo(18, 24, 9, 24, 4, 15);
    p.drawPath(body);
    p.drawPolygon(QPolygonF{QPointF(20, 15), QPointF(27, 9), QPointF(26, 15), QPointF(27, 21)});
    fill(p, badgeColor(39));
    p.drawEllipse(QPointF(9, 13.5), 1.3, 1.3);
    stroke(p, 1, badgeColor(39));
    p.drawArc(QRectF(11, 10, 6, 10), -60 * 16, 120 * 16);
}

void shieldAndLeaf(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath shield;
    shield.moveTo(15, 3);
    shield.lineTo(25, 7);
    shield.cubicTo(25, 17, 21, 23, 15, 27);
    shield.cubicTo(9, 23, 5, 17, 5, 7);
    shield.closeSubpath();
    p.drawPath(shield);
    fill(p, palette::Leaf);
    QPainterPath leaf;
    leaf.moveTo(10, 20);
    leaf.cubicTo(9, 13, 14, 9, 21, 9);
    leaf.cubicTo(21, 16, 17, 20, 10, 20);
    p.drawPath(leaf);
    stroke(p, 1, kWhite);
    p.drawLine(QPointF(11, 19), QPointF(18, 12));
}

void tShirt(QPainter& p)
{
    fill(p, kWhite);
    p.drawPolygon(QPolygonF{QPointF(10, 5), QPointF(4, 9), QPointF(6.5, 14), QPointF(9, 13), QPointF(9, 26),
                            QPointF(21, 26), QPointF(21, 13), QPointF(23.5, 14), QPointF(26, 9), QPointF(20, 5),
                            QPointF(17.5, 7.5), QPointF(12.5, 7.5)});
    stroke(p, 1.2, badgeColor(41));
    p.drawLine(QPointF(9, 17), QPointF(21, 17));
    p.setPen(QPen(badgeColor(41), 1, Qt::DashLine));
    p.drawLine(QPointF(15, 9), QPointF(15, 25));
}

void vase(QPainter& p)
{
    fill(p, kWhite);
    QPainterPath shape;
    shape.moveTo(11, 4);
    shape.lineTo(19, 4);
    shape.lineTo(18, 8);
    shape.cubicTo(26, 11, 26, 22, 19, 26);
    shape.lineTo(11, 26);
    shape.cubicTo(4, 22, 4, 11, 12, 8);
    shape.closeSubpath();
    p.drawPath(shape);
    stroke(p, 1.4, badgeColor(42));
    p.drawLine(QPointF(8.5, 15), QPointF(21.5, 15));
    p.drawLine(QPointF(8.5, 19), QPointF(21.5, 19));
}

using Glyph = void (*)(QPainter&);

struct Entry {
    Glyph draw;
    QColor badge;
};

const QColor kTeal{32, 150, 148};
const QColor kPlum{150, 80, 140};
const QColor kOchre{214, 140, 40};

const std::array<Entry, kCount>& entries()
{
    static const std::array<Entry, kCount> table{{
        {nutAndBolt, palette::Steel},
        {sprout, palette::Leaf},
        {document, palette::Sky},
        {trolley, palette::Coral},
        {openBook, palette::Maroon},
        {musicNotes, kPlum},
        {globe, palette::Sky},
        {pickaxe, palette::StoneDark},
        {car, palette::Coral},
        {artPalette, kOchre},
        {lightBulb, kOchre},
        {aeroplane, palette::Sky},
        {screen, palette::Navy},
        {atom, kTeal},
        {adultAndChild, kPlum},
        {magnifier, kTeal},
        {cross, palette::Coral},
        {scales, palette::Maroon},
        {chefHat, kOchre},
        {wheat, kOchre},
        {twoPeople, palette::Coral},
        {flask, kTeal},
        {star, palette::Gold},
        {column, palette::StoneDark},
        {speechBubbles, palette::Sky},
        {microphone, kPlum},
        {gears, palette::Steel},
        {compasses, palette::Navy},
        {hardHat, palette::BrickDark},
        {coinsAndChart, palette::Leaf},
        {mortarboard, palette::Navy},
        {ball, palette::Leaf},
        {printer, palette::Steel},
        {lightning, kOchre},
        {dropAndSun, palette::Sky},
        {spanner, palette::Steel},
        {clapperboard, palette::Navy},
        {scissors, kPlum},
        {chair, palette::Wood},
        {fish, kTeal},
        {shieldAndLeaf, palette::LeafDark},
        {tShirt, palette::Coral},
        {vase, palette::BrickDark},
    }};
    return table;
}

} // namespace

QColor badgeColor(int index)
{
    return entries().at(size_t(index)).badge;
}

void draw(QPainter& painter, int index)
{
    painter.save();
    entries().at(size_t(index)).draw(painter);
    painter.restore();
}

} // namespace glyphs

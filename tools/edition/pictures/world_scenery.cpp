// The world's scenery, seen from above and in front: every wall is an upper
// part ("paredEx", "paredUp": cornice and brick, 87 high) over a lower part
// ("pared": brick over a stone skirting, 117 high) that carries the doors.
// Sizes follow the placement grid of the scene: wall blocks of 172, long walls
// of 624, doors of 64 x 117.
#include "brickwork.h"
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace {

constexpr int kBlock = 172;
constexpr int kLongWall = 624;
constexpr int kUpperHeight = 87;
constexpr int kLowerHeight = 117;
constexpr QSize kDoor{64, 117};

void drawCornice(QPainter& p, int width)
{
    QLinearGradient stone(0, 0, 0, 12);
    stone.setColorAt(0, palette::Stone);
    stone.setColorAt(1, palette::StoneShade);
    p.fillRect(QRect(0, 0, width, 12), stone);
    p.fillRect(QRect(0, 12, width, 3), palette::Roof);
    p.fillRect(QRect(0, 15, width, 2), QColor(0, 0, 0, 45));
}

void drawHighWindow(QPainter& p, const QRectF& opening)
{
    p.fillRect(opening.adjusted(-3, -3, 3, 3), palette::Stone);
    QLinearGradient glass(opening.topLeft(), opening.bottomRight());
    glass.setColorAt(0, palette::GlassLight);
    glass.setColorAt(1, palette::Glass);
    p.fillRect(opening, glass);
    p.fillRect(QRectF(opening.center().x() - 1, opening.top(), 2, opening.height()), palette::WoodDark);
    p.fillRect(QRectF(opening.left(), opening.center().y() - 1, opening.width(), 2), palette::WoodDark);
}

QImage upperWall(int width)
{
    QImage wall = blankPicture(width, kUpperHeight, palette::Mortar);
    QPainter p(&wall);
    prepare(p);
    drawBricks(p, wall.rect(), 29, 10);
    drawCornice(p, width);
    for (int x = 60; x + 50 < width; x += 156)
        drawHighWindow(p, QRectF(x, 32, 50, 34));
    return wall;
}

void drawLowerWall(QPainter& p, const QRect& area)
{
    drawBricks(p, area, 29, 10);
    const QRect skirting(area.left(), area.bottom() - 21, area.width(), 22);
    QLinearGradient stone(skirting.topLeft(), skirting.bottomLeft());
    stone.setColorAt(0, palette::Stone);
    stone.setColorAt(1, palette::StoneShade);
    p.fillRect(skirting, stone);
    p.fillRect(QRect(area.left(), skirting.top() - 2, area.width(), 2), palette::StoneDark);
}

QImage lowerWall(int width)
{
    QImage wall = blankPicture(width, kLowerHeight, palette::Mortar);
    QPainter p(&wall);
    prepare(p);
    drawLowerWall(p, wall.rect());
    return wall;
}

// The thickness of a wall running into the picture: its top seen from above.
QImage sideWall(int height)
{
    QImage wall = blankPicture(24, height);
    QPainter p(&wall);
    prepare(p);
    QLinearGradient top(0, 0, 24, 0);
    top.setColorAt(0, palette::StoneShade);
    top.setColorAt(0.4, palette::Stone);
    top.setColorAt(1, palette::StoneDark);
    p.fillRect(wall.rect(), top);
    p.fillRect(QRect(0, 0, 2, height), palette::Roof);
    p.fillRect(QRect(22, 0, 2, height), palette::Roof.darker(120));
    return wall;
}

// The wall with the passage door: upper and lower wall in one, the lower part
// opened by a recess for the door.
QImage passageWall()
{
    QImage wall = blankPicture(kBlock, kUpperHeight + kLowerHeight, palette::Mortar);
    QPainter p(&wall);
    prepare(p);
    drawBricks(p, QRect(0, 0, kBlock, kUpperHeight), 29, 10);
    drawCornice(p, kBlock);
    drawLowerWall(p, QRect(0, kUpperHeight, kBlock, kLowerHeight));
    const QRect recess(15, kUpperHeight - 6, kDoor.width() + 12, kLowerHeight + 6);
    p.fillRect(recess, palette::Stone);
    p.fillRect(recess.adjusted(4, 4, -4, 0), palette::StoneShade.darker(110));
    return wall;
}

// The lintel over the passage: a cornice with the school clock.
QImage passageLintel()
{
    QImage lintel = upperWall(kBlock);
    QPainter p(&lintel);
    prepare(p);
    p.fillRect(QRect(50, 26, 72, 50), palette::Mortar);
    drawBricks(p, QRect(50, 26, 72, 50), 29, 10);
    const QPointF centre(86, 52);
    p.setBrush(palette::WoodDark);
    p.drawEllipse(centre, 24, 24);
    p.setBrush(palette::White);
    p.drawEllipse(centre, 20, 20);
    p.setBrush(palette::Ink);
    for (int hour = 0; hour < 12; ++hour) {
        const double a = M_PI / 6 * hour;
        p.drawEllipse(centre + QPointF(16 * std::sin(a), -16 * std::cos(a)), 1.3, 1.3);
    }
    p.setPen(QPen(palette::Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(-6, -8));
    p.setPen(QPen(palette::Coral, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(13, 4));
    return lintel;
}

enum class DoorState { Closed, Highlighted, Open };

QImage door(const QColor& paint, DoorState state)
{
    QImage picture = blankPicture(kDoor.width(), kDoor.height());
    QPainter p(&picture);
    prepare(p);
    p.setBrush(palette::Stone);
    p.drawRect(QRectF(0, 0, 64, 117));
    p.setBrush(palette::WoodDark);
    p.drawRect(QRectF(4, 4, 56, 113));
    if (state == DoorState::Open) {
        QLinearGradient hall(0, 8, 0, 117);
        hall.setColorAt(0, palette::Light.lighter(112));
        hall.setColorAt(1, palette::Light.darker(108));
        p.setBrush(hall);
        p.drawRect(QRectF(8, 8, 48, 109));
        p.setBrush(palette::Floor);
        p.drawPolygon(QPolygonF{QPointF(8, 117), QPointF(22, 84), QPointF(42, 84), QPointF(56, 117)});
        p.setBrush(paint.darker(120));
        p.drawPolygon(QPolygonF{QPointF(8, 8), QPointF(15, 14), QPointF(15, 111), QPointF(8, 117)});
        return picture;
    }
    const QColor leaf = state == DoorState::Highlighted ? paint.lighter(125) : paint;
    QLinearGradient wood(8, 0, 56, 0);
    wood.setColorAt(0, leaf.lighter(112));
    wood.setColorAt(1, leaf);
    p.setBrush(wood);
    p.drawRect(QRectF(8, 8, 48, 109));
    p.setBrush(palette::Glass);
    p.drawRoundedRect(QRectF(16, 16, 32, 40), 3, 3);
    p.setBrush(palette::GlassLight);
    p.drawRect(QRectF(19, 19, 8, 34));
    p.setBrush(leaf.darker(125));
    p.drawRect(QRectF(16, 66, 32, 38));
    p.setBrush(leaf);
    p.drawRect(QRectF(18, 68, 29, 35));
    p.setBrush(palette::Gold);
    p.drawRoundedRect(QRectF(47, 60, 5, 14), 2, 2);
    if (state == DoorState::Highlighted) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::Gold.lighter(120), 4));
        p.drawRect(QRectF(2, 2, 60, 115));
    }
    return picture;
}

// A bronze bust on a stone plinth, looking left or right.
QImage statue(bool facingRight)
{
    QImage picture = blankPicture(56, 110);
    QPainter p(&picture);
    prepare(p);
    if (!facingRight) {
        p.translate(56, 0);
        p.scale(-1, 1);
    }
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(4, 100, 48, 10));
    QLinearGradient stone(6, 0, 50, 0);
    stone.setColorAt(0, palette::Stone);
    stone.setColorAt(1, palette::StoneShade);
    p.setBrush(stone);
    p.drawRect(QRectF(10, 56, 36, 48));
    p.setBrush(palette::StoneDark);
    p.drawRect(QRectF(6, 52, 44, 6));
    p.drawRect(QRectF(6, 100, 44, 5));
    const QColor bronze(176, 120, 64);
    QLinearGradient metal(10, 0, 46, 0);
    metal.setColorAt(0, bronze.lighter(130));
    metal.setColorAt(1, bronze.darker(125));
    p.setBrush(metal);
    QPainterPath bust;
    bust.moveTo(10, 52);
    bust.cubicTo(10, 38, 18, 34, 28, 34);
    bust.cubicTo(38, 34, 46, 38, 46, 52);
    bust.closeSubpath();
    p.drawPath(bust);
    p.drawRect(QRectF(24, 26, 9, 10));
    p.drawEllipse(QPointF(29, 18), 10, 12);
    p.drawEllipse(QPointF(38.5, 19.5), 2.2, 2.8);
    p.setBrush(bronze.darker(150));
    QPainterPath hair;
    hair.moveTo(19, 20);
    hair.cubicTo(17, 6, 34, 2, 39, 12);
    hair.cubicTo(33, 9, 27, 11, 25, 20);
    hair.closeSubpath();
    p.drawPath(hair);
    p.setBrush(bronze.darker(140));
    p.drawEllipse(QPointF(34.5, 16), 1.3, 1.3);
    p.setBrush(bronze.lighter(150));
    p.drawEllipse(QPointF(18, 43), 3, 4);
    return picture;
}

QImage board(QSize size, const QColor& face)
{
    QImage picture = blankPicture(size.width(), size.height());
    QPainter p(&picture);
    prepare(p);
    const QRectF outer(0, 0, size.width() - 2, size.height() - 2);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(outer.translated(2, 2), 6, 6);
    p.setBrush(face.darker(135));
    p.drawRoundedRect(outer, 6, 6);
    p.setBrush(face.lighter(180));
    p.drawRoundedRect(outer.adjusted(4, 4, -4, -4), 4, 4);
    for (const double x : {8.0, outer.right() - 8}) {
        p.setBrush(palette::Steel);
        p.drawEllipse(QPointF(x, outer.center().y()), 2, 2);
    }
    return picture;
}

QImage arrow(QImage sign, const QPointF& tip, bool pointsLeft, const QColor& color)
{
    QPainter p(&sign);
    prepare(p);
    p.setBrush(color);
    const double d = pointsLeft ? 1 : -1;
    p.drawPolygon(QPolygonF{tip, tip + QPointF(10 * d, -8), tip + QPointF(10 * d, 8)});
    return sign;
}

// Two direction panels on one board: texts go on each half.
QImage directionSign()
{
    constexpr QSize kSize{300, 60};
    QImage sign = board(kSize, palette::Sky.darker(110));
    {
        QPainter p(&sign);
        p.fillRect(QRectF(148, 6, 2, 46), palette::Sky.darker(160));
    }
    sign = arrow(sign, QPointF(8, 29), true, palette::Coral);
    return arrow(sign, QPointF(290, 29), false, palette::Coral);
}

QImage plaque()
{
    QImage picture = blankPicture(120, 40);
    QPainter p(&picture);
    prepare(p);
    QLinearGradient brass(0, 0, 0, 40);
    brass.setColorAt(0, palette::Gold.lighter(135));
    brass.setColorAt(1, palette::Gold.darker(110));
    p.setBrush(palette::WoodDark);
    p.drawRoundedRect(QRectF(0, 0, 120, 40), 5, 5);
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(3, 3, 114, 34), 4, 4);
    p.setBrush(palette::Stone.lighter(105));
    p.drawRoundedRect(QRectF(6, 6, 108, 28), 3, 3);
    return picture;
}

QImage balloon()
{
    QImage picture = blankPicture(260, 84);
    QPainter p(&picture);
    prepare(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(14, 2, 242, 66), 18, 18);
    QPainterPath tail;
    tail.moveTo(30, 60);
    tail.lineTo(8, 82);
    tail.lineTo(56, 64);
    tail.closeSubpath();
    const QPainterPath whole = shape.united(tail);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(whole.translated(2, 2));
    p.setPen(QPen(palette::Navy, 2));
    p.setBrush(QColor(255, 255, 225));
    p.drawPath(whole);
    return picture;
}

QImage floorSpot(int size, const QColor& color)
{
    QImage picture = blankPicture(size, size);
    QPainter p(&picture);
    prepare(p);
    QRadialGradient glow(QPointF(size / 2.0, size / 2.0), size / 2.0);
    QColor centre = color;
    centre.setAlpha(150);
    QColor edge = color;
    edge.setAlpha(0);
    glow.setColorAt(0, centre);
    glow.setColorAt(1, edge);
    p.setBrush(glow);
    p.drawEllipse(picture.rect());
    return picture;
}

// Floor tiles of the corridors, seamless: 4 x 4 tiles of 32.
QImage floorTiles()
{
    constexpr int kTile = 32;
    QImage floor = blankPicture(4 * kTile, 4 * kTile, palette::Floor);
    QPainter p(&floor);
    prepare(p);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const QRect tile(column * kTile, row * kTile, kTile, kTile);
            const QColor base = (row + column) % 2 == 0 ? palette::Floor : palette::FloorDark;
            p.fillRect(tile, base.lighter(100 + int(3 * cellNoise(column, row))));
            p.fillRect(QRect(tile.left(), tile.top(), kTile, 1), palette::FloorDark.darker(110));
            p.fillRect(QRect(tile.left(), tile.top(), 1, kTile), palette::FloorDark.darker(110));
        }
    return floor;
}

} // namespace

QList<picture_archive::Entry> scenerySprites()
{
    const QColor upperDoors = palette::Wood;
    const QColor lowerDoors = palette::Coral.darker(110);
    return {
        {QStringLiteral("paredEx"), upperWall(kBlock)},
        {QStringLiteral("paredUp"), upperWall(kLongWall)},
        {QStringLiteral("pared"), lowerWall(kLongWall)},
        {QStringLiteral("paredUp2"), passageWall()},
        {QStringLiteral("lateralPaso"), passageLintel()},
        {QStringLiteral("lateral1"), sideWall(186)},
        {QStringLiteral("lateral2"), sideWall(163)},
        {QStringLiteral("puertab"), door(upperDoors, DoorState::Closed)},
        {QStringLiteral("puertaB"), door(lowerDoors, DoorState::Closed)},
        {QStringLiteral("puerta22"), door(upperDoors, DoorState::Highlighted)},
        {QStringLiteral("puer3"), door(upperDoors, DoorState::Open)},
        {QStringLiteral("faraon1"), statue(true)},
        {QStringLiteral("faraon2"), statue(false)},
        {QStringLiteral("rotulos"), directionSign()},
        {QStringLiteral("rotulo1"), board(QSize(200, 56), palette::Sky)},
        {QStringLiteral("rotulo2"), board(QSize(200, 56), palette::Leaf)},
        {QStringLiteral("tabla1"), plaque()},
        {QStringLiteral("bocadillo"), balloon()},
        {QStringLiteral("zoom"), floorSpot(64, palette::Sky)},
        {QStringLiteral("zoomC"), floorSpot(48, palette::Gold)},
        {QStringLiteral("background"), floorTiles()},
    };
}

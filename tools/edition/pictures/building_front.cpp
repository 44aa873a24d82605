// parte: one bay of the school's front, tiled side by side into the main menu's
// building; and the frames of its door opening.
#include "brickwork.h"
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr int kWidth = 174;
constexpr int kHeight = 399;
constexpr int kBrickWidth = 29; // 174 = 6 bricks: neighbouring tiles join
constexpr int kBrickHeight = 10;

void drawStoneBand(QPainter& p, const QRect& band)
{
    QLinearGradient stone(band.topLeft(), band.bottomLeft());
    stone.setColorAt(0, palette::Stone);
    stone.setColorAt(1, palette::StoneShade);
    p.fillRect(band, stone);
    p.fillRect(QRect(band.left(), band.bottom(), band.width(), 1), palette::StoneDark);
}

void drawWindow(QPainter& p, const QRect& opening)
{
    p.fillRect(opening.adjusted(-3, -3, 3, 3), palette::Stone);
    p.fillRect(opening.adjusted(-3, opening.height() + 3, 3, 5), palette::StoneShade);
    QLinearGradient glass(opening.topLeft(), opening.bottomRight());
    glass.setColorAt(0, palette::GlassLight);
    glass.setColorAt(0.5, palette::Glass);
    glass.setColorAt(1, palette::Glass.darker(112));
    p.fillRect(opening, glass);
    p.setPen(QPen(palette::White, 2));
    p.drawLine(opening.left() + 4, opening.top() + 30, opening.left() + 12, opening.top() + 14);
    p.drawLine(opening.left() + 4, opening.top() + 44, opening.left() + 16, opening.top() + 22);
    p.setPen(Qt::NoPen);
    const int mullion = opening.top() + opening.height() / 2;
    p.fillRect(QRect(opening.left(), mullion - 1, opening.width(), 3), palette::WoodDark);
    p.fillRect(QRect(opening.center().x() - 1, opening.top(), 2, opening.height()), palette::WoodDark);
}

void drawAwning(QPainter& p, const QRect& area)
{
    QPainterPath awning;
    awning.moveTo(area.left() + 6, area.top());
    awning.lineTo(area.right() - 6, area.top());
    awning.lineTo(area.right(), area.bottom());
    awning.lineTo(area.left(), area.bottom());
    awning.closeSubpath();
    p.setBrush(palette::Coral);
    p.drawPath(awning);
    p.setBrush(palette::Coral.lighter(125));
    for (int x = area.left() + 8; x < area.right() - 8; x += 16)
        p.drawRect(QRectF(x, area.top() + 1, 8, area.height() - 1));
    p.setBrush(palette::Coral.darker(130));
    for (int x = area.left(); x < area.right(); x += 12)
        p.drawEllipse(QRectF(x, area.bottom() - 3, 12, 6));
}

void drawDoorLeaf(QPainter& p, const QRectF& leaf)
{
    QLinearGradient wood(leaf.topLeft(), leaf.topRight());
    wood.setColorAt(0, palette::WoodLight);
    wood.setColorAt(1, palette::Wood);
    p.setBrush(wood);
    p.drawRect(leaf);
    const QRectF pane(leaf.left() + leaf.width() * 0.18, leaf.top() + 12, leaf.width() * 0.64, leaf.height() * 0.42);
    p.setBrush(palette::Glass);
    p.drawRoundedRect(pane, 3, 3);
    p.setBrush(palette::GlassLight);
    p.drawRect(QRectF(pane.left() + 3, pane.top() + 3, pane.width() * 0.25, pane.height() - 6));
    const QRectF panel(leaf.left() + leaf.width() * 0.18, pane.bottom() + 12, leaf.width() * 0.64,
                       leaf.bottom() - pane.bottom() - 24);
    p.setBrush(palette::WoodDark);
    p.drawRect(panel);
    p.setBrush(palette::Wood);
    p.drawRect(panel.adjusted(2, 2, -1, -1));
    p.setBrush(palette::Gold);
    p.drawRoundedRect(QRectF(leaf.right() - leaf.width() * 0.14 - 3, leaf.center().y() + 4, 4, 14), 2, 2);
}

} // namespace

QImage buildingTile()
{
    QImage tile = blankPicture(kWidth, kHeight, palette::Mortar);
    QPainter p(&tile);
    prepare(p);
    drawBricks(p, QRect(0, 0, kWidth, kHeight), kBrickWidth, kBrickHeight);

    // Cornice, the floor band at the foot and the pilasters between bays.
    drawStoneBand(p, QRect(0, 0, kWidth, 18));
    p.fillRect(QRect(0, 18, kWidth, 4), palette::Roof);
    p.fillRect(QRect(0, 22, kWidth, 3), QColor(0, 0, 0, 40));
    drawStoneBand(p, QRect(0, 354, kWidth, 16));
    p.fillRect(QRect(0, 370, kWidth, 3), QColor(0, 0, 0, 40));
    for (const int x : {0, kWidth - 7}) {
        p.fillRect(QRect(x, 22, 7, 332), palette::Stone);
        p.fillRect(QRect(x == 0 ? 6 : x, 22, 1, 332), palette::StoneShade);
    }

    drawWindow(p, QRect(15, 78, 18, 220));
    drawWindow(p, QRect(kWidth - 33, 78, 18, 220));

    // Door surround, the recess and its frame.
    p.fillRect(QRect(39, 54, 96, 300), palette::Stone);
    p.fillRect(QRect(39, 54, 3, 300), palette::White);
    p.fillRect(QRect(132, 54, 3, 300), palette::StoneShade);
    p.fillRect(QRect(47, 62, 80, 292), palette::StoneShade);
    p.fillRect(QRect(kTileTransom.adjusted(-4, -4, 4, 12)), palette::WoodDark);
    p.fillRect(QRect(kTileDoor.adjusted(-4, 0, 4, 0)), palette::WoodDark);
    QLinearGradient transom(kTileTransom.topLeft(), kTileTransom.bottomRight());
    transom.setColorAt(0, palette::GlassLight);
    transom.setColorAt(1, palette::Glass);
    p.fillRect(kTileTransom, transom);
    drawDoorLeaf(p, QRectF(kTileDoor));
    drawAwning(p, QRect(31, 44, 112, 16));

    // Three steps up to the door.
    for (int step = 0; step < 3; ++step) {
        const QRect tread(55 - 6 * step, 298 + 19 * step, 64 + 12 * step, 19);
        p.fillRect(tread, palette::Stone);
        p.fillRect(QRect(tread.left(), tread.top(), tread.width(), 3), palette::White);
        p.fillRect(QRect(tread.left(), tread.bottom() - 1, tread.width(), 2), palette::StoneDark);
    }
    return tile;
}

QList<QImage> doorOpeningFrames()
{
    QList<QImage> frames;
    constexpr int kCount = 5;
    for (int k = 0; k < kCount; ++k) {
        QImage frame = blankPicture(kTileDoor.width(), kTileDoor.height());
        QPainter p(&frame);
        prepare(p);
        // The lit hall behind the door.
        QLinearGradient hall(0, 0, 0, frame.height());
        hall.setColorAt(0, palette::Light.lighter(110));
        hall.setColorAt(0.7, palette::Light);
        hall.setColorAt(1, palette::FloorDark);
        p.fillRect(frame.rect(), hall);
        p.setBrush(palette::Floor);
        p.drawPolygon(QPolygonF{QPointF(0, 168), QPointF(18, 118), QPointF(38, 118), QPointF(56, 168)});
        p.setBrush(palette::Glass.lighter(105));
        p.drawRect(QRectF(22, 40, 12, 50));
        // The leaf swings inwards on its left hinge: narrower and slanted.
        const double open = double(k) / (kCount - 1);
        const double width = frame.width() * (1.0 - 0.86 * open);
        const double slant = 10.0 * open;
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.lineTo(width, slant);
        leaf.lineTo(width, frame.height() - slant);
        leaf.lineTo(0, frame.height());
        leaf.closeSubpath();
        p.setClipPath(leaf);
        drawDoorLeaf(p, QRectF(0, 0, width, frame.height()));
        p.setClipping(false);
        p.setBrush(QColor(0, 0, 0, int(60 * open)));
        p.drawPath(leaf);
        frames << frame;
    }
    return frames;
}

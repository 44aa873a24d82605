// The screens' background tile and frame strips: a calm cream floor, honey
// wood mouldings at the sides, a roof of terracotta tiles along the top.
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

const QColor kBackground{255, 239, 206};

// A wood moulding filling area, shaded across a vertical strip's width or a
// horizontal strip's height.
void drawMoulding(QPainter& p, const QRectF& area, Qt::Orientation orientation)
{
    const QPointF start = area.topLeft();
    const QPointF end = orientation == Qt::Vertical ? area.topRight() : area.bottomLeft();
    QLinearGradient wood(start, end);
    wood.setColorAt(0, palette::WoodLight.lighter(110));
    wood.setColorAt(0.25, palette::WoodLight);
    wood.setColorAt(0.55, palette::Wood);
    wood.setColorAt(0.8, palette::WoodDark);
    wood.setColorAt(1, palette::WoodLight);
    p.fillRect(area, wood);
}

void drawRosette(QPainter& p, const QPointF& centre, double radius)
{
    p.setBrush(palette::WoodDark);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(palette::Gold);
    p.drawEllipse(centre, radius * 0.7, radius * 0.7);
    p.setBrush(palette::Gold.lighter(130));
    p.drawEllipse(centre - QPointF(radius * 0.2, radius * 0.2), radius * 0.25, radius * 0.25);
}

} // namespace

QImage floorTile()
{
    constexpr int kSize = 200;
    constexpr int kCell = 50;
    QImage tile = blankPicture(kSize, kSize, kBackground);
    QPainter p(&tile);
    prepare(p);
    p.setPen(QPen(QColor(244, 222, 184), 1));
    for (int i = -kSize; i <= kSize; i += kCell) {
        p.drawLine(QPointF(i, 0), QPointF(i + kSize, kSize));
        p.drawLine(QPointF(i + kSize, 0), QPointF(i, kSize));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(249, 213, 178));
    for (int y = 0; y <= kSize; y += kCell)
        for (int x = 0; x <= kSize; x += kCell)
            p.drawEllipse(QPointF(x, y), 2.5, 2.5);
    return tile;
}

QImage sideFrameTile()
{
    QImage tile = blankPicture(23, 87);
    QPainter p(&tile);
    prepare(p);
    drawMoulding(p, QRectF(0, 0, 23, 87), Qt::Vertical);
    p.fillRect(QRectF(0, 0, 2, 87), palette::Maroon);
    p.fillRect(QRectF(21, 0, 2, 87), palette::WoodDark.darker(120));
    drawRosette(p, QPointF(11.5, 43.5), 6);
    return tile;
}

QImage topFrameStrip()
{
    QImage strip = blankPicture(1024, 50, kBackground);
    QPainter p(&strip);
    prepare(p);
    // Roof tiles: three courses of rounded tiles, each shifted by half a tile.
    p.fillRect(QRectF(0, 0, 1024, 34), palette::Roof.darker(120));
    constexpr int kTileWidth = 32;
    for (int course = 0; course < 3; ++course) {
        const double top = -4 + course * 11;
        const double shift = course % 2 == 0 ? 0 : kTileWidth / 2.0;
        for (double x = -kTileWidth + shift; x < 1024; x += kTileWidth) {
            QLinearGradient tile(QPointF(x, 0), QPointF(x + kTileWidth, 0));
            tile.setColorAt(0, palette::Roof.lighter(125));
            tile.setColorAt(0.6, palette::Roof);
            tile.setColorAt(1, palette::Roof.darker(115));
            p.setBrush(tile);
            p.drawRoundedRect(QRectF(x + 1, top, kTileWidth - 2, 18), 9, 8);
        }
    }
    QLinearGradient stone(QPointF(0, 34), QPointF(0, 43));
    stone.setColorAt(0, palette::Stone);
    stone.setColorAt(1, palette::StoneShade);
    p.fillRect(QRectF(0, 34, 1024, 9), stone);
    drawMoulding(p, QRectF(0, 43, 1024, 7), Qt::Horizontal);
    p.fillRect(QRectF(0, 48, 1024, 2), palette::Maroon);
    return strip;
}

#include "brickwork.h"

#include "palette.h"

double cellNoise(int column, int row)
{
    quint32 h = quint32(column) * 73856093u ^ quint32(row) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h % 2001) / 1000.0 - 1.0;
}

void drawBricks(QPainter& painter, const QRect& area, int brickWidth, int brickHeight)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, palette::Mortar);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int firstRow = area.top() / brickHeight - 1;
    const int lastRow = area.bottom() / brickHeight + 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int shift = (row % 2 == 0) ? 0 : brickWidth / 2;
        const int firstColumn = (area.left() - shift) / brickWidth - 1;
        const int lastColumn = (area.right() - shift) / brickWidth + 1;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const double n = cellNoise(column, row);
            QColor shade = palette::Brick;
            if (n > 0.55)
                shade = palette::BrickLight;
            else if (n < -0.55)
                shade = palette::BrickDark;
            const QRect brick(column * brickWidth + shift, row * brickHeight, brickWidth - 1, brickHeight - 1);
            painter.fillRect(brick, shade);
            painter.fillRect(QRect(brick.left(), brick.top(), brick.width(), 1), shade.lighter(110));
        }
    }
    painter.restore();
}

#pragma once

#include <QPainter>
#include <QRect>

// Brick courses filling area: bricks of brickWidth x brickHeight with 1-pixel
// mortar joints, every other course shifted by half a brick. The pattern is
// anchored at (0, 0) of the picture, so tiles whose sizes are multiples of the
// brick width join seamlessly. The shade of each brick varies with its place
// only, never at random.
void drawBricks(QPainter& painter, const QRect& area, int brickWidth, int brickHeight);

// A small deterministic variation in [-1, 1] for a grid cell.
double cellNoise(int column, int row);

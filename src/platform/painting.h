#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace painting {

// Copies of the picture from the top-left corner, row by row, until the area
// of the given size is covered.
void tile(QPainter& painter, const QSize& area, const QImage& picture);

// The colour of line i of a vertical gradient of height h: each channel moves
// by (end - start) / h per line, rounded to nearest (halves to even), 8 bits.
QColor gradientLine(const QColor& start, const QColor& end, int height, int line);

// Horizontal lines from the rectangle's top to its bottom, in gradientLine colours.
void verticalGradient(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end);

} // namespace painting

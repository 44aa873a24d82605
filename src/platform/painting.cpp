#include "platform/painting.h"

#include <QPainter>
#include <cmath>

namespace painting {

void tile(QPainter& painter, const QSize& area, const QImage& picture)
{
    if (picture.isNull())
        return;
    for (int y = 0; y < area.height(); y += picture.height())
        for (int x = 0; x < area.width(); x += picture.width())
            painter.drawImage(x, y, picture);
}

QColor gradientLine(const QColor& start, const QColor& end, int height, int line)
{
    auto channel = [&](int from, int to) {
        const double step = height > 0 ? static_cast<double>(to - from) / height : 0.0;
        return static_cast<int>(std::nearbyint(from + step * line)) & 0xFF;
    };
    return QColor(channel(start.red(), end.red()), channel(start.green(), end.green()),
                  channel(start.blue(), end.blue()));
}

void verticalGradient(QPainter& painter, const QRect& rect, const QColor& start, const QColor& end)
{
    const int height = rect.height();
    for (int i = 0; i < height; ++i) {
        painter.setPen(gradientLine(start, end, height, i));
        painter.drawLine(rect.left(), rect.top() + i, rect.right(), rect.top() + i);
    }
}

} // namespace painting

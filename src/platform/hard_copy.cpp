#include "platform/hard_copy.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

int nearest(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

HardCopy::HardCopy(QPainter& painter)
    : painter_(painter)
{
}

void HardCopy::setup(int gridColumns, int gridRows, double unitsPerInch)
{
    const QPaintDevice& device = *painter_.device();
    resolution_ = QSize(device.width(), device.height());
    gridColumns_ = std::max(gridColumns, 1);
    gridRows_ = std::max(gridRows, 1);
    scaleX_ = device.logicalDpiX() / unitsPerInch;
    scaleY_ = device.logicalDpiY() / unitsPerInch;
    position_ = QPoint(0, 0);
}

QPoint HardCopy::toDevice(double x, double y) const
{
    return QPoint(nearest(x * scaleX_), nearest(y * scaleY_));
}

void HardCopy::moveTo(double x, double y)
{
    position_ = toDevice(x, y);
}

void HardCopy::gridMove(int column, int row)
{
    position_ = QPoint(nearest(double(column) * resolution_.width() / gridColumns_),
                       nearest(double(row) * resolution_.height() / gridRows_));
}

QRect HardCopy::rectangleValue(double x1, double y1, double x2, double y2) const
{
    const QPoint topLeft = toDevice(x1, y1);
    const QPoint bottomRight = toDevice(x2, y2);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

void HardCopy::rectangle(double x1, double y1, double x2, double y2)
{
    position_ = toDevice(x1, y1);
    painter_.drawRect(rectangleValue(x1, y1, x2, y2));
}

void HardCopy::ellipse(double x1, double y1, double x2, double y2)
{
    position_ = toDevice(x1, y1);
    painter_.drawEllipse(rectangleValue(x1, y1, x2, y2));
}

void HardCopy::text(const QString& text)
{
    textAt(position_.x(), text);
}

void HardCopy::textCentred(const QString& text)
{
    textAt(position_.x() - painter_.fontMetrics().horizontalAdvance(text) / 2, text);
}

void HardCopy::textRightAligned(const QString& text)
{
    textAt(position_.x() - painter_.fontMetrics().horizontalAdvance(text), text);
}

void HardCopy::stretchPicture(const QRect& target, const QImage& picture)
{
    painter_.drawImage(target, picture);
}

void HardCopy::textAt(int left, const QString& text)
{
    painter_.drawText(QPoint(left, position_.y() + painter_.fontMetrics().ascent()), text);
}

#include "university/map_picture.h"

#include <QMouseEvent>
#include <QPainter>

MapPicture::MapPicture(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void MapPicture::setCanvas(const QImage& picture)
{
    canvas_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void MapPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void MapPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(at) && onClick)
        onClick(at.x(), at.y());
}

#include "app/main_menu_widgets.h"

#include "app/main_menu_doors.h"
#include "platform/painting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

QFont arial(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

void MenuLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void MenuLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void MenuLabel::enterEvent(QEnterEvent* event)
{
    emit mouseMoved();
    QLabel::enterEvent(event);
}

MenuBackground::MenuBackground(const QImage& tile, QWidget* parent)
    : QWidget(parent)
    , tile_(tile)
{
    setMouseTracking(true);
}

void MenuBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (tile_.isNull())
        return;
    const int lowerTop = menu_doors::rowTop(true);
    painting::tile(painter, QSize(width(), lowerTop), tile_);
    painter.translate(0, lowerTop);
    painting::tile(painter, QSize(width(), height() - lowerTop), tile_);
}

void MenuBackground::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

DoorZoomView::DoorZoomView(const QImage& tile, QWidget* parent)
    : QWidget(parent)
    , tile_(tile)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DoorZoomView::showStep(const QRect& stretchedTile, const QImage& openDoor, QPoint doorAt)
{
    target_ = stretchedTile;
    door_ = openDoor;
    doorAt_ = doorAt;
    show();
    raise();
    update();
}

void DoorZoomView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(target_, tile_);
    painter.drawImage(doorAt_, door_);
}

QRect SpeechBalloon::textArea() const
{
    return rect().adjusted(kTailWidth + 12, 8, -12, -8);
}

void SpeechBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(kTailWidth + 1, 1, -2, -2);
    QPainterPath balloon;
    balloon.addRoundedRect(body, 18, 18);
    QPainterPath tail;
    const qreal tailY = body.top() + 26;
    tail.moveTo(body.left() + 8, tailY);
    tail.lineTo(1, tailY + 4);
    tail.lineTo(body.left() + 10, tailY + 18);
    balloon = balloon.united(tail);
    painter.setPen(QPen(QColor(80, 80, 80), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(balloon);
}

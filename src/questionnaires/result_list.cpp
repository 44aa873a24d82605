#include "questionnaires/result_list.h"

#include "data/colors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kFrameTop = 20;
constexpr int kFrameBottom = 140;
constexpr int kFrameRightMargin = 22;
constexpr int kFrameCorner = 15; // a 30 x 30 corner ellipse
constexpr int kFramePen = 3;
} // namespace

ResultList::ResultList(QWidget* parent)
    : OwnerDrawnList(parent)
{
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}

QRect ResultList::frameRect() const
{
    return QRect(QPoint(0, kFrameTop), QPoint(viewport()->width() - kFrameRightMargin, kFrameBottom));
}

void ResultList::paintEvent(QPaintEvent* event)
{
    OwnerDrawnList::paintEvent(event);
    if (count() == 0 || verticalScrollBar()->value() != 0)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ColorTitle, kFramePen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frameRect(), kFrameCorner, kFrameCorner);
}

void ResultList::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    emit lineHovered(index.isValid() ? index.row() : -1, event->position().toPoint());
    OwnerDrawnList::mouseMoveEvent(event);
}

void ResultList::mouseReleaseEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        emit lineClicked(index.isValid() ? index.row() : -1);
    OwnerDrawnList::mouseReleaseEvent(event);
}

void ResultList::leaveEvent(QEvent* event)
{
    emit lineHovered(-1, {});
    OwnerDrawnList::leaveEvent(event);
}

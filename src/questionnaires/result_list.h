#pragma once

#include "platform/owner_drawn.h"

#include <QPoint>

// The questionnaire's result list: owner-drawn lines under a rounded maroon
// frame (while scrolled to the top), reporting the line under the pointer and
// the line clicked (-1: none).
class ResultList : public OwnerDrawnList {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);

    // The frame around the list's heading lines, in viewport coordinates.
    QRect frameRect() const;

signals:
    void lineHovered(int line, QPoint viewportPos);
    void lineClicked(int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

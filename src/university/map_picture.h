#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A region map shown as a picture that can be drawn on; reports mouse moves
// and clicks in map coordinates.
class MapPicture : public QWidget {
public:
    explicit MapPicture(QWidget* parent);

    const QImage& canvas() const { return canvas_; }
    QImage& canvas() { return canvas_; }
    void setCanvas(const QImage& picture);

    std::function<void(int x, int y)> onMouseMove;
    std::function<void(int x, int y)> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage canvas_;
};

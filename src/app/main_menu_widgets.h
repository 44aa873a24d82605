#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

// The menu's fonts: Arial (Liberation Sans where Arial is not installed).
QFont arial(int pointSize, bool bold);

// A label that reports clicks and mouse moves, as the menu's doors and sign do.
class MenuLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
};

// The building front: `parte` tiled in an upper and a lower row of doors.
class MenuBackground : public QWidget {
    Q_OBJECT
public:
    MenuBackground(const QImage& tile, QWidget* parent);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage tile_;
};

// The door zoom drawn over the menu: `parte` stretched into a growing
// rectangle with the open door on it.
class DoorZoomView : public QWidget {
    Q_OBJECT
public:
    DoorZoomView(const QImage& tile, QWidget* parent);

    void showStep(const QRect& stretchedTile, const QImage& openDoor, QPoint doorAt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage tile_;
    QImage door_;
    QRect target_;
    QPoint doorAt_;
};

// The guide's speech balloon: a rounded white body with a tail pointing left.
class SpeechBalloon : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTailWidth = 22;
    using QWidget::QWidget;

    // The part of the balloon that holds text.
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

#pragma once

#include "university/where_to_study.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

class DataStore;
class QLabel;
class QTimer;

// What the star map needs from the degree browser that shows it.
class StarMapHost {
public:
    virtual ~StarMapHost() = default;
    virtual const CommunityMarks& communityMarks() const = 0;
    virtual bool doublesMode() const = 0;
    virtual int selectedDegree() const = 0;
    virtual void setSelectedCommunity(int community) = 0;
    // Scrolls GridNotas so that the row is its top row.
    virtual void scrollGridToRow(int row) = 0;
    // Shows GridNotas scrolled to the top in place of ListSel, with these rows.
    virtual void showGridRows(const QList<GridRow>& rows) = 0;
};

// The communities map as a canvas that the stars are drawn on; reports mouse
// moves and clicks in map coordinates.
class StarMapPicture : public QWidget {
public:
    explicit StarMapPicture(QWidget* parent);

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

// The small window over the degree browser that blinks over the communities
// where the chosen degree is taught. A click on a community moves the
// browser's list there, or lists the double degrees offered there.
class TForm7 : public QWidget {
public:
    explicit TForm7(DataStore& store);

    // Without a host the map names communities but clicks do nothing.
    void setHost(StarMapHost* host) { host_ = host; }

    // Repaints the map, starts the stars and shows the window.
    void showBlinking();
    // Stops the stars and hides the window.
    void hideBlinking();

    StarMapPicture* MapaEstrellas;
    QLabel* PanelMapa;
    QTimer* TimerEstrellas;

    void TimerEstrellasTimer();
    void MapaEstrellasMouseMove(int x, int y);
    void MapaEstrellasClick();

private:
    DataStore& store_;
    StarMapHost* host_ = nullptr;
    int pulseA_ = 0;
    int pulseB_ = 0;
    QColor pen_{Qt::black};
    QColor brush_{Qt::white};
};

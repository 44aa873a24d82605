#pragma once

#include "university/map_picture.h"
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

    MapPicture* MapaEstrellas;
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

#pragma once

#include <QImage>
#include <QWidget>

// A picture tiled over the widget's area (screen backgrounds and frame strips).
class TiledPicture : public QWidget {
public:
    TiledPicture(const QImage& tile, QWidget* parent);
    void setTile(const QImage& tile);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage tile_;
};

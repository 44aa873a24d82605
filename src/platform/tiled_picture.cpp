#include "platform/tiled_picture.h"

#include "platform/painting.h"

#include <QPainter>

TiledPicture::TiledPicture(const QImage& tile, QWidget* parent)
    : QWidget(parent)
    , tile_(tile)
{
}

void TiledPicture::setTile(const QImage& tile)
{
    tile_ = tile;
    update();
}

void TiledPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painting::tile(painter, size(), tile_);
}

#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>

// An empty picture to draw on: transparent unless a fill is given.
QImage blankPicture(int width, int height, const QColor& fill = Qt::transparent);

// A painter with antialiasing on.
void prepare(QPainter& painter);

// 24-bit BMP of the picture, transparent parts on white (the pictures' key
// colour).
QByteArray bmpBytes(const QImage& picture);

// PNG of the picture, alpha kept.
QByteArray pngBytes(const QImage& picture);

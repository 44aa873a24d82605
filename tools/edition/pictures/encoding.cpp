#include "encoding.h"

#include <QBuffer>

QImage blankPicture(int width, int height, const QColor& fill)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(fill);
    return picture;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
}

namespace {

QByteArray saved(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

} // namespace

QByteArray bmpBytes(const QImage& picture)
{
    QImage flat(picture.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return saved(flat, "BMP");
}

QByteArray pngBytes(const QImage& picture)
{
    return saved(picture, "PNG");
}

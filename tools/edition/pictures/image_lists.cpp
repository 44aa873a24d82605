#include "drawings.h"
#include "encoding.h"
#include "pictures.h"
#include "platform/image_lists.h"

#include <QDir>
#include <QSaveFile>

namespace {

QList<QImage> drawList(QLatin1String name)
{
    if (name == QLatin1String("ImageList1"))
        return guideWalkingFrames();
    if (name == QLatin1String("ImageListPuerta"))
        return doorOpeningFrames();
    if (name == QLatin1String("ImageListIconos"))
        return menuIcons();
    if (name == QLatin1String("ImageListRamas"))
        return branchIcons();
    if (name == QLatin1String("ImageListSmall"))
        return listIcons();
    return {};
}

// The pictures side by side; a null image when they do not match the format.
QImage strip(const image_lists::Format& format, const QList<QImage>& pictures)
{
    if (pictures.size() != format.count)
        return {};
    QImage strip = blankPicture(format.width * format.count, format.height);
    QPainter painter(&strip);
    for (int i = 0; i < pictures.size(); ++i) {
        if (pictures[i].size() != QSize(format.width, format.height))
            return {};
        painter.drawImage(i * format.width, 0, pictures[i]);
    }
    return strip;
}

} // namespace

bool writeImageLists(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const image_lists::Format& format : image_lists::kFormats) {
        const QImage picture = strip(format, drawList(QLatin1String(format.name)));
        QSaveFile file(QDir(folder).filePath(QLatin1String(format.name) + QLatin1String(".png")));
        const QByteArray bytes = pngBytes(picture);
        if (picture.isNull() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit())
            return false;
    }
    return true;
}

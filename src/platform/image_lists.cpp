#include "platform/image_lists.h"

namespace image_lists {

const Format* format(const QString& name)
{
    for (const Format& f : kFormats)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

QList<QImage> imageList(const QString& name)
{
    const Format* f = format(name);
    if (!f)
        return {};
    const QImage strip(QStringLiteral(":/image_lists/%1.png").arg(QLatin1String(f->name)));
    if (strip.width() != f->width * f->count || strip.height() != f->height)
        return {};
    QList<QImage> pictures;
    for (int i = 0; i < f->count; ++i)
        pictures << strip.copy(i * f->width, 0, f->width, f->height);
    return pictures;
}

} // namespace image_lists

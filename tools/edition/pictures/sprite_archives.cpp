#include "drawings.h"
#include "pictures.h"

namespace {

void writeArchive(OutputFolder& out, Diagnostics& diagnostics, const QString& name,
                  const QList<picture_archive::Entry>& entries)
{
    if (const std::optional<QByteArray> bytes = picture_archive::encode(entries))
        out.writeBytes(name, *bytes);
    else
        diagnostics.error(name, 0, QStringLiteral("cannot build the picture archive"));
}

} // namespace

void writeSpriteArchives(OutputFolder& out, Diagnostics& diagnostics)
{
    writeArchive(out, diagnostics, QStringLiteral("segdxg1.DXG"), playerSprites() + markerSprites());
    writeArchive(out, diagnostics, QStringLiteral("india.DXG"), scenerySprites());
}

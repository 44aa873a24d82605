#include "geography_maps.h"

#include "data/record_files.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QtEndian>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr int kWidth = RegionGrids::kColumns;

QString shownPath(const MapSource& map, const char* kind)
{
    return QStringLiteral("geography/maps/%1-%2.png").arg(QLatin1String(map.name), QLatin1String(kind));
}

std::optional<QImage> picture(const QString& folder, const MapSource& map, const char* kind, Diagnostics& diagnostics)
{
    const QString shown = shownPath(map, kind);
    QImage image(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(map.name), QLatin1String(kind))));
    if (image.isNull()) {
        diagnostics.error(shown, 0, QStringLiteral("cannot read the picture"));
        return std::nullopt;
    }
    if (image.width() != kWidth || image.height() != map.height) {
        diagnostics.error(shown, 0, QStringLiteral("%1×%2 pixels, expected %3×%4")
                                        .arg(image.width()).arg(image.height()).arg(kWidth).arg(map.height));
        return std::nullopt;
    }
    return image;
}

// The region numbers of an index picture, column by column as puntos3 holds
// them; nothing when a value is out of range or a region is missing.
std::optional<std::vector<int>> regionColumns(const QImage& index, const MapSource& map, Diagnostics& diagnostics)
{
    const QImage grey = index.convertToFormat(QImage::Format_Grayscale8);
    const QString shown = shownPath(map, "index");
    std::vector<int> values(size_t(kWidth) * size_t(map.height));
    std::vector<int> pixels(size_t(map.regions) + 1);
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int region = grey.constScanLine(y)[x];
            if (region > map.regions) {
                diagnostics.error(shown, 0, QStringLiteral("pixel (%1, %2) has region %3; the regions are 1..%4")
                                                .arg(x + 1).arg(y + 1).arg(region).arg(map.regions));
                return std::nullopt;
            }
            ++pixels[size_t(region)];
            values[size_t(x) * size_t(map.height) + size_t(y)] = region;
        }
    bool complete = true;
    for (int region = 1; region <= map.regions; ++region)
        if (pixels[size_t(region)] == 0) {
            diagnostics.error(shown, 0, QStringLiteral("region %1 has no pixel").arg(region));
            complete = false;
        }
    if (!complete)
        return std::nullopt;
    return values;
}

QByteArray bitmap(const QImage& display, bool indexed)
{
    QImage image = indexed ? display.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                           : display.convertToFormat(QImage::Format_RGB888);
    if (indexed) {
        image.setColorCount(256); // a full palette keeps the bitmap at 8 bits per pixel
        // Rows are padded to 32 bits; clear the padding so the file is the same on every build.
        for (int y = 0; y < image.height(); ++y)
            std::memset(image.scanLine(y) + image.width(), 0, size_t(image.bytesPerLine() - image.width()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

void compileMaps(const QString& folder, const MapSource (&maps)[3], OutputFolder& out, Diagnostics& diagnostics)
{
    std::vector<std::vector<int>> grids;
    for (const MapSource& map : maps) {
        const auto index = picture(folder, map, "index", diagnostics);
        const auto display = picture(folder, map, "display", diagnostics);
        if (display)
            out.writeBytes(QLatin1String(map.output), bitmap(*display, map.output == std::string_view("mapa")));
        if (const auto columns = index ? regionColumns(*index, map, diagnostics) : std::nullopt)
            grids.push_back(*columns);
    }
    if (grids.size() != std::size(maps))
        return;
    QByteArray puntos(RegionGrids::kFileSize, '\0');
    auto* integers = reinterpret_cast<uchar*>(puntos.data());
    for (int x = 0; x < kWidth; ++x) {
        int at = x * RegionGrids::kIntegersPerColumn;
        for (size_t m = 0; m < std::size(maps); ++m)
            for (int y = 0; y < maps[m].height; ++y)
                qToLittleEndian<qint32>(grids[m][size_t(x) * size_t(maps[m].height) + size_t(y)], integers + 4 * at++);
    }
    out.writeBytes(QStringLiteral("puntos3"), puntos);
}

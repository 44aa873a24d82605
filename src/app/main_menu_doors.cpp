#include "app/main_menu_doors.h"

namespace menu_doors {

namespace {
constexpr int kUpperDoorY = 170;
constexpr int kLowerDoorY = 510;
constexpr int kLowerZoomTop = 305;
// Where the door sits in its tile, horizontally and for the upper row.
constexpr int kDoorLeftInTile = 59;
constexpr int kLabelMargin = 4;
} // namespace

int column(int door)
{
    return isLowerRow(door) ? door - 5 : door;
}

int zoomTop(int door)
{
    return isLowerRow(door) ? kLowerZoomTop : 0;
}

QPoint doorPoint(int door, int labelLeft)
{
    return {labelLeft + kLabelMargin, isLowerRow(door) ? kLowerDoorY : kUpperDoorY};
}

QPoint openingFramePosition(QPoint doorPoint, int step)
{
    return {doorPoint.x(), doorPoint.y() - kRisePerStep * step};
}

QRect zoomRect(int door, int step)
{
    const int c = column(door);
    const int t = zoomTop(door);
    const QPoint topLeft((c - 1) * kTileSize.width() - step / 2, t);
    const QPoint bottomRight(c * kTileSize.width() + step / 2, t + kTileSize.height() + step);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

std::optional<int> zoomTick(int step)
{
    if (step >= kZoomEnd)
        return std::nullopt;
    return step + kZoomStep;
}

int rowTop(bool lowerRow)
{
    return lowerRow ? kLowerDoorY - kUpperDoorY : 0;
}

int labelLeft(int door)
{
    return (column(door) - 1) * kTileSize.width() + kDoorLeftInTile - kLabelMargin;
}

QPoint guidePosition(int stepsTaken)
{
    return kGuideStart + QPoint(kGuideStride * stepsTaken, 0);
}

bool hidesMenuFirst(int door)
{
    return door == 4 || door == 5 || door == 6 || door == 9 || door == 11;
}

std::optional<HelpLine> helpLineAt(int tick)
{
    switch (tick) {
    case 0: return HelpLine{1, 14};
    case 1: return HelpLine{2, 15};
    case 3: return HelpLine{3, 16};
    case 5: return HelpLine{4, 17};
    case 7: return HelpLine{5, 18};
    default: return std::nullopt;
    }
}

int fontSizeDelta(int dotsPerInch)
{
    return dotsPerInch < 101 ? 0 : -2;
}

} // namespace menu_doors

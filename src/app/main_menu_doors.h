#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

// The main menu's geometry and animation arithmetic: eleven doors on a building
// of `parte` tiles (174 x 399), six in the upper row (doors 1..6, columns 1..6)
// and five in the lower row (doors 7..11, columns 2..6; door 10 is the
// configuration door).
namespace menu_doors {

inline constexpr int kDoorCount = 11;
inline constexpr int kConfigurationDoor = 10;
inline constexpr QSize kTileSize{174, 399};

inline constexpr int kRisePerStep = 10;
inline constexpr QPoint kGuideStart{100, 235};
inline constexpr int kGuideStride = 8;
inline constexpr int kGuideFrames = 8;
inline constexpr int kDoorFrames = 5;
inline constexpr int kZoomStep = 10;
inline constexpr int kZoomEnd = 100;
// A door used while the animated world is active skips the walk and the zoom.
inline constexpr int kImmediateStep = 110;

// The door labels start 4 pixels left of the door and reach the right edge of
// its stone surround, wide enough for a word of 10-point bold text.
inline constexpr int kDoorLabelWidth = 80;

inline bool isLowerRow(int door) { return door > 6; }

// The tile column of a door (1..6).
int column(int door);

// The top of the tile the door zoom grows from.
int zoomTop(int door);

// Where the door-opening frames are drawn from: the label's left edge + 4, and
// 170 for the upper row, 510 for the lower one.
QPoint doorPoint(int door, int labelLeft);

// The door-opening frame of a step rises 10 pixels per step from the door point.
QPoint openingFramePosition(QPoint doorPoint, int step);

// The rectangle `parte` is stretched into at a zoom step: from
// ((c - 1) * 174 - step / 2, t) to (c * 174 + step / 2, t + 399 + step).
QRect zoomRect(int door, int step);

// One tick of the door zoom: the next step while it still draws, nothing once
// the zoom is over and the door action is due.
std::optional<int> zoomTick(int step);

// The top of each row of tiles on the menu's background: the lower row starts
// where its doors meet the opening frames (510 - 4 * 10), as the upper row's do.
int rowTop(bool lowerRow);

// The left edge of a door's label, so that the door point is the door's edge.
int labelLeft(int door);

// The guide's position after n steps of its entrance.
QPoint guidePosition(int stepsTaken);

// The sections whose screen replaces the menu before the menu hides (4, 5, 6,
// 9 and 11 hide the menu first).
bool hidesMenuFirst(int door);

// The help panel's text for tick k: the label number (1..5) and the interface
// text line it shows; nothing on the ticks that only move the picture.
struct HelpLine {
    int label;
    int line;
    bool operator==(const HelpLine&) const = default;
};
std::optional<HelpLine> helpLineAt(int tick);
inline constexpr int kHelpTicks = 8;

// The shared font-size correction: 0 below 101 pixels per inch, otherwise -2.
int fontSizeDelta(int dotsPerInch);

} // namespace menu_doors

#pragma once

#include "platform/picture_archive.h"

#include <QImage>
#include <QList>
#include <QRect>

// Every drawn picture, one function per kind; each file of this folder draws one
// kind.

// The door of the building tile: the door-opening frames cover exactly this
// rectangle of an upper-row tile. The transom above it is where a door's label
// fits.
inline constexpr QRect kTileDoor{59, 130, 56, 168};
inline constexpr QRect kTileTransom{59, 70, 56, 52};

QImage buildingTile();              // parte, 174 x 399
QList<QImage> doorOpeningFrames(); // 5 frames 56 x 168, the last one open

QImage guidePortrait();             // chica.bmp, 52 x 120
QList<QImage> guideWalkingFrames(); // 8 frames 56 x 168, walking right

QImage helicopter(); // heli.bmp, 83 x 28

QImage floorTile();     // suelo, 200 x 200, seamless
QImage sideFrameTile(); // marcod, 23 x 87, seamless vertically
QImage topFrameStrip(); // marcoar, 1024 x 50

QImage menuDecoration();   // imagen: a tree in a planter
QImage stopStudyingSign(); // rotulon.bmp: a blank board for the label over it

QList<QImage> menuIcons();   // ImageListIconos
QList<QImage> branchIcons(); // ImageListRamas
QList<QImage> listIcons();   // ImageListSmall

QList<picture_archive::Entry> playerSprites();  // the pupil, 8 directions
QList<picture_archive::Entry> markerSprites();  // magnifier, target, click marker, exit door
QList<picture_archive::Entry> scenerySprites(); // walls, doors, signs, statues, balloon, floor

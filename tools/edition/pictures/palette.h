#pragma once

#include <QColor>

// The colours of the drawn pictures: a school building of terracotta brick and
// cream stone, honey wood, sky-blue glass, in the program's warm palette.
namespace palette {

inline const QColor Brick{196, 98, 62};
inline const QColor BrickDark{168, 78, 50};
inline const QColor BrickLight{214, 120, 80};
inline const QColor Mortar{238, 214, 188};
inline const QColor Stone{250, 234, 204};
inline const QColor StoneShade{222, 194, 154};
inline const QColor StoneDark{176, 140, 100};
inline const QColor Wood{176, 108, 58};
inline const QColor WoodDark{122, 70, 38};
inline const QColor WoodLight{214, 150, 92};
inline const QColor Glass{150, 206, 238};
inline const QColor GlassLight{214, 240, 255};
inline const QColor Sky{0, 169, 251};
inline const QColor Light{255, 226, 140};
inline const QColor Floor{240, 220, 186};
inline const QColor FloorDark{226, 198, 158};
inline const QColor Roof{168, 58, 48};
inline const QColor Leaf{92, 160, 72};
inline const QColor LeafDark{58, 118, 52};
inline const QColor Coral{231, 90, 94};
inline const QColor Navy{40, 52, 112};
inline const QColor Maroon{128, 0, 0};
inline const QColor Gold{236, 178, 52};
inline const QColor Ink{60, 44, 40};
inline const QColor Skin{243, 198, 162};
inline const QColor SkinShade{222, 170, 134};
inline const QColor White{255, 255, 255};
inline const QColor Steel{120, 130, 146};

} // namespace palette

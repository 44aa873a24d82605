#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The screens' image lists: picture strips drawn by the edition tool at build
// time (`trazela-edition images`) and embedded in the program as resources.
// Each strip holds its pictures side by side, left to right.
namespace image_lists {

struct Format {
    const char* name;
    int width;
    int height;
    int count;
};

// Guide walking frames, door-opening frames (the last one the open door), icons
// of career groups and professional families on white, knowledge-branch icons,
// and the small list icons (0 and 2 selected states, 1 degree, 3 list bullet,
// 4 group, 5 place).
inline constexpr Format kFormats[] = {
    {"ImageList1", 56, 168, 8},     {"ImageListPuerta", 56, 168, 5}, {"ImageListIconos", 30, 30, 43},
    {"ImageListRamas", 40, 40, 7}, {"ImageListSmall", 16, 16, 6},
};

// The format of a list; nullptr for an unknown name.
const Format* format(const QString& name);

// The pictures of an embedded list; empty for an unknown name or a strip whose
// size does not match its format.
QList<QImage> imageList(const QString& name);

} // namespace image_lists

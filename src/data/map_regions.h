#pragma once

#include "data/record_files.h"

#include <QPoint>
#include <array>
#include <string_view>

// The three maps and the regions under their pixels.
enum class MapKind { Communities, Catalonia, Madrid };

// The region number under pixel (x, y) of a map picture, 0 outside the map.
// Screens treat a value outside their map's range as no region.
int regionAt(const RegionGrids& grids, MapKind map, int x, int y);

// The highest region number of a map: 19 communities, 41 comarcas, 28 zones.
int regionCount(MapKind map);

// Where the star of community k (1..19) is drawn on the communities map.
QPoint starPosition(int community);

// What the map screens share: the region under the mouse on the last map
// moved over, and the width of the floating caption that names it.
struct MapState {
    static constexpr int kCaptionWidth = 115;
    int currentRegion = 1;
};

// The codes that tie map places to the centre tables, by place number 1..64:
// the centre table ("1".."4", i.e. lu1..lu4) and the area within it.
namespace centre_codes {
constexpr int kPlaces = 64;
// Empty outside 1..64.
std::string_view code(int place);
// The centre table 1..4 of a place, 0 outside 1..64.
int centreTable(int place);
} // namespace centre_codes

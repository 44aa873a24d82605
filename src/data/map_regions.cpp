#include "data/map_regions.h"

namespace {

constexpr std::array<QPoint, 19> kStars = {{
    {102, 141}, {156, 73}, {82, 41}, {221, 100}, {204, 162}, {111, 42}, {128, 108},
    {100, 68},  {188, 64}, {77, 111}, {58, 49},  {131, 60},  {114, 89}, {148, 133},
    {143, 52},  {160, 107}, {130, 47}, {83, 171}, {136, 174},
}};

constexpr std::array<std::string_view, centre_codes::kPlaces> kCentreCodes = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32",
};

} // namespace

int regionAt(const RegionGrids& grids, MapKind map, int x, int y)
{
    switch (map) {
    case MapKind::Communities: return grids.communities.at(x, y);
    case MapKind::Catalonia: return grids.catalonia.at(x, y);
    case MapKind::Madrid: return grids.madrid.at(x, y);
    }
    return 0;
}

int regionCount(MapKind map)
{
    switch (map) {
    case MapKind::Communities: return 19;
    case MapKind::Catalonia: return 41;
    case MapKind::Madrid: return 28;
    }
    return 0;
}

QPoint starPosition(int community)
{
    if (community < 1 || community > static_cast<int>(kStars.size()))
        return {};
    return kStars[static_cast<size_t>(community - 1)];
}

namespace centre_codes {

std::string_view code(int place)
{
    if (place < 1 || place > kPlaces)
        return {};
    return kCentreCodes[static_cast<size_t>(place - 1)];
}

int centreTable(int place)
{
    const std::string_view c = code(place);
    return c.empty() ? 0 : c.front() - '0';
}

} // namespace centre_codes

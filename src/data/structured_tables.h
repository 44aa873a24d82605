#pragma once

#include "data/load_context.h"
#include "data/record_files.h"
#include "data/text_table.h"

#include <array>
#include <string>
#include <vector>

// Tables with a layout of their own. Entries are numbered from 1.

// Comarcas of Catalonia: lines 1..41 are the numbered comarcas (stored under
// their comarca number), the lines after them further entries 42, 43, ...
struct Comarcas {
    static constexpr int kCapacity = 60;
    static constexpr int kNumbered = 41;
    struct Entry {
        std::string code;
        std::string name;
    };
    std::array<Entry, kCapacity + 1> entries;
    std::array<int, kNumbered + 1> numberAtLine{}; // comarca number of line 1..41
    int count = 0;
};

// Madrid zones: entries in file order, each with a zone 1..28; each zone lists
// up to three of its entries (0 for none).
struct MadridZones {
    static constexpr int kCapacity = 100;
    static constexpr int kZones = 28;
    static constexpr int kEntriesPerZone = 3;
    struct Entry {
        std::string code;
        int zone = 0;
        std::string name;
    };
    std::array<Entry, kCapacity + 1> entries;
    std::array<std::array<int, kEntriesPerZone>, kZones + 1> zoneEntries{};
    int count = 0;
};

// Places (universities and campuses): region, name and web address by line.
struct Places {
    static constexpr int kCapacity = 1100;
    TextTable names{60, kCapacity + 1}; // slot 0: the path
    std::array<int, kCapacity + 1> regions{};
    std::vector<std::string> addresses = std::vector<std::string>(kCapacity + 1);
    int count = 0;
};

// Web pages of the regions, 0-based.
struct RegionalLinks {
    static constexpr int kCapacity = 20;
    std::array<std::string, kCapacity> addresses;
    int count = 0;
};

// Double degrees by university: degree pairs as degree numbers with a mark.
struct DoubleDegrees {
    static constexpr int kCapacity = 200;
    static constexpr int kEntriesPerUniversity = 50;
    struct Entry {
        int firstDegree = 0;
        int secondDegree = 0;
        std::string mark;
        bool selected = false;
    };
    struct University {
        int region = 0;
        std::string name;
        int count = 0;
        std::array<Entry, kEntriesPerUniversity + 1> entries;
    };
    std::string path;
    std::vector<University> universities = std::vector<University>(kCapacity + 1);
    int count = 0;
};

// Professions: two activity codes and a name per line.
struct Professions {
    static constexpr int kCapacity = 400;
    struct Entry {
        std::string code1; // 4 characters
        std::string code2; // 4 characters, blank when none
        std::string name;  // 40 characters
    };
    std::vector<Entry> entries = std::vector<Entry>(kCapacity + 1);
    int count = 0;
};

namespace loaders {

// A line whose comarca number is not a number shows "mal " + its line number and
// stops the load; the count is then left as it was.
int loadComarcas(const LoadContext& ctx, const QString& path, Comarcas& table, int width);
// A zone number that is not a number shows "mal " + the lines read so far and
// stops the load; count and zone lists are then left as they were.
int loadMadridZones(const LoadContext& ctx, const QString& path, MadridZones& table, int width);
int loadPlaces(const LoadContext& ctx, const QString& path, Places& table);
int loadRegionalLinks(const LoadContext& ctx, const QString& path, RegionalLinks& table);
// Each line padded with blanks: code 1 in columns 1..4, code 2 in 6..9, the
// name in 11..50.
int loadProfessions(const LoadContext& ctx, const QString& path, Professions& table);
// Degree codes become degree numbers through field 10 of the degree records,
// searched over the first degreeCount degrees.
int loadDoubleDegrees(const LoadContext& ctx, const QString& path, DoubleDegrees& table,
                      const IntRecords& degreeRecords, int degreeCount);

} // namespace loaders

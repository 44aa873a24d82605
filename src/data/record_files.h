#pragma once

#include "data/load_context.h"

#include <array>
#include <cstdint>
#include <vector>

// Fixed-size record files of 32-bit little-endian integers and of length-prefixed
// byte lists. Rows, fields, lists and values are numbered from 1; anything
// outside an area reads as 0.

class IntRecords {
public:
    IntRecords(int rows, int fieldsPerRow);

    int rows() const { return rows_; }
    int fieldsPerRow() const { return fields_; }
    qsizetype byteSize() const { return static_cast<qsizetype>(values_.size()) * 4; }

    int field(int row, int field) const;
    void assign(const char* bytes);

private:
    int rows_;
    int fields_;
    std::vector<int32_t> values_;
};

// The centre-title files: four blocks (one per centre table lu1..lu4) of 1100
// rows, each a count n (0..25) followed by n title numbers.
class CentreTitles {
public:
    static constexpr int kBlocks = 4;
    static constexpr int kRowsPerBlock = 1100;
    static constexpr int kMaxTitles = 25;

    CentreTitles();

    qsizetype byteSize() const { return records_.byteSize(); }
    void assign(const char* bytes) { records_.assign(bytes); }

    // Clamped to 0..25 so that a damaged count never reads past the row.
    int titleCount(int block, int row) const;
    int title(int block, int row, int index) const;

private:
    int recordRow(int block, int row) const;
    IntRecords records_;
};

// Records of lists: each list a length byte and a fixed area of values.
class ByteLists {
public:
    ByteLists(int records, int listsPerRecord, int valuesPerList);

    qsizetype byteSize() const { return static_cast<qsizetype>(bytes_.size()); }
    int valuesPerList() const { return values_; }

    // The stored length, clamped to the list's area.
    int length(int record, int list) const;
    int value(int record, int list, int index) const;
    void assign(const char* bytes);

private:
    int offset(int record, int list) const;

    int records_;
    int lists_;
    int values_;
    std::vector<uint8_t> bytes_;
};

// For each degree, the distinct alternative-name lines used by its places.
struct AltNameRow {
    static constexpr int kMaxNames = 10;
    int count = 0;
    std::array<int, kMaxNames> names{};
};
using AltNameIndex = std::vector<AltNameRow>; // index 1..degree count

// Scans record 2 of the alternative-name lists over the positions that the
// degree's place list (record 1 of degreePlaces) uses.
AltNameIndex buildAltNameIndex(const ByteLists& altNames, const ByteLists& degreePlaces, int degreeCount);

// A map's pixel-to-region grid; columns and rows from 1.
class RegionGrid {
public:
    RegionGrid(int columns, int rows);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // 0 (no region) outside the grid.
    int at(int x, int y) const;
    void set(int x, int y, uint8_t region);

private:
    int columns_;
    int rows_;
    std::vector<uint8_t> cells_;
};

struct RegionGrids {
    static constexpr int kColumns = 281;
    static constexpr int kIntegersPerColumn = 636;
    static constexpr qsizetype kFileSize = qsizetype(kColumns) * kIntegersPerColumn * 4;

    RegionGrid communities{kColumns, 196};
    RegionGrid catalonia{kColumns, 220};
    RegionGrid madrid{kColumns, 220};

    qsizetype byteSize() const { return kFileSize; }
    // Keeps the low byte of each integer of the file.
    void assign(const char* bytes);
};

namespace loaders {

// Reads the whole area from the start of the file. A missing file or one shorter
// than the area is reported as missing and sets the abort flag; bytes past the
// area are not read.
template <typename Area>
bool loadRecords(const LoadContext& ctx, const QString& path, Area& area)
{
    const auto bytes = ctx.readFile(path);
    if (!bytes)
        return false;
    if (bytes->size() < area.byteSize()) {
        ctx.reportMissing(path);
        return false;
    }
    area.assign(bytes->constData());
    return true;
}

} // namespace loaders

#include "data/record_files.h"

#include <QtEndian>
#include <algorithm>

IntRecords::IntRecords(int rows, int fieldsPerRow)
    : rows_(rows)
    , fields_(fieldsPerRow)
    , values_(static_cast<size_t>(rows * fieldsPerRow))
{
}

int IntRecords::field(int row, int field) const
{
    if (row < 1 || row > rows_ || field < 1 || field > fields_)
        return 0;
    return values_[static_cast<size_t>((row - 1) * fields_ + (field - 1))];
}

void IntRecords::assign(const char* bytes)
{
    for (size_t i = 0; i < values_.size(); ++i)
        values_[i] = qFromLittleEndian<qint32>(bytes + 4 * i);
}

CentreTitles::CentreTitles()
    : records_(kBlocks * kRowsPerBlock, 1 + kMaxTitles)
{
}

int CentreTitles::recordRow(int block, int row) const
{
    if (block < 1 || block > kBlocks || row < 1 || row > kRowsPerBlock)
        return 0;
    return (block - 1) * kRowsPerBlock + row;
}

int CentreTitles::titleCount(int block, int row) const
{
    return std::clamp(records_.field(recordRow(block, row), 1), 0, kMaxTitles);
}

int CentreTitles::title(int block, int row, int index) const
{
    if (index < 1 || index > titleCount(block, row))
        return 0;
    return records_.field(recordRow(block, row), 1 + index);
}

ByteLists::ByteLists(int records, int listsPerRecord, int valuesPerList)
    : records_(records)
    , lists_(listsPerRecord)
    , values_(valuesPerList)
    , bytes_(static_cast<size_t>(records * listsPerRecord * (valuesPerList + 1)))
{
}

int ByteLists::offset(int record, int list) const
{
    if (record < 1 || record > records_ || list < 1 || list > lists_)
        return -1;
    return ((record - 1) * lists_ + (list - 1)) * (values_ + 1);
}

int ByteLists::length(int record, int list) const
{
    const int at = offset(record, list);
    return at < 0 ? 0 : std::min<int>(bytes_[static_cast<size_t>(at)], values_);
}

int ByteLists::value(int record, int list, int index) const
{
    const int at = offset(record, list);
    if (at < 0 || index < 1 || index > values_)
        return 0;
    return bytes_[static_cast<size_t>(at + index)];
}

void ByteLists::assign(const char* bytes)
{
    std::copy_n(reinterpret_cast<const uint8_t*>(bytes), bytes_.size(), bytes_.begin());
}

AltNameIndex buildAltNameIndex(const ByteLists& altNames, const ByteLists& degreePlaces, int degreeCount)
{
    AltNameIndex index(static_cast<size_t>(std::max(degreeCount, 0)) + 1);
    for (int degree = 1; degree <= degreeCount; ++degree) {
        AltNameRow& row = index[static_cast<size_t>(degree)];
        const int places = degreePlaces.length(1, degree);
        for (int position = 1; position <= places && row.count < AltNameRow::kMaxNames; ++position) {
            const int name = altNames.value(2, degree, position);
            const auto used = row.names.begin() + row.count;
            if (name != 0 && std::find(row.names.begin(), used, name) == used)
                row.names[static_cast<size_t>(row.count++)] = name;
        }
    }
    return index;
}

RegionGrid::RegionGrid(int columns, int rows)
    : columns_(columns)
    , rows_(rows)
    , cells_(static_cast<size_t>(columns * rows))
{
}

int RegionGrid::at(int x, int y) const
{
    if (x < 1 || x > columns_ || y < 1 || y > rows_)
        return 0;
    return cells_[static_cast<size_t>((x - 1) * rows_ + (y - 1))];
}

void RegionGrid::set(int x, int y, uint8_t region)
{
    if (x >= 1 && x <= columns_ && y >= 1 && y <= rows_)
        cells_[static_cast<size_t>((x - 1) * rows_ + (y - 1))] = region;
}

void RegionGrids::assign(const char* bytes)
{
    // The low byte of a little-endian integer is its first byte.
    auto lowByte = [bytes](int integer) { return static_cast<uint8_t>(bytes[size_t(integer) * 4]); };
    for (int x = 1; x <= kColumns; ++x) {
        const int column = (x - 1) * kIntegersPerColumn;
        for (int y = 1; y <= communities.rows(); ++y)
            communities.set(x, y, lowByte(column + (y - 1)));
        for (int y = 1; y <= catalonia.rows(); ++y) {
            catalonia.set(x, y, lowByte(column + 196 + (y - 1)));
            madrid.set(x, y, lowByte(column + 416 + (y - 1)));
        }
    }
}

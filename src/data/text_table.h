#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

// A fixed-capacity table of Windows-1252 strings, each cut to the slot size.
// For 1-based tables slot 0 holds the path of the loaded file and slot N line N;
// 0-based tables keep line N in slot N - 1 and no path. Slots past `count` keep
// what an earlier load left: readers stay within the count.
class TextTable {
public:
    TextTable(int slotSize, int slotCount);

    int slotSize() const { return slotSize_; }
    int slotCount() const { return static_cast<int>(slots_.size()); }

    // Empty for an index outside the table.
    const std::string& operator[](int index) const;
    // Decoded for display.
    QString text(int index) const;

    // Stores text cut to the slot size; an index outside the table is ignored.
    void set(int index, std::string_view text);

    int count = 0;

private:
    int slotSize_;
    std::vector<std::string> slots_;
};

// Groups of fixed lines (the 26- and 51-line block files): group k (1-based)
// holds slots 1..linesPerGroup.
class BlockTable {
public:
    BlockTable(int groupCapacity, int linesPerGroup);

    int groupCapacity() const { return groupCapacity_; }
    int linesPerGroup() const { return linesPerGroup_; }

    const std::string& line(int group, int slot) const;
    QString text(int group, int slot) const;
    void set(int group, int slot, std::string_view text);

    int groupCount = 0;

private:
    int index(int group, int slot) const;

    int groupCapacity_;
    int linesPerGroup_;
    std::vector<std::string> lines_;
};

namespace text {

constexpr int kSlotSize = 60;

// n - 1 copies of a character (none when n <= 1), at most 80.
std::string fillString(int n, char character = ' ');

// The fill rule: the line joined with fillString(W), cut to W.
std::string fill(std::string_view line, int width);

std::string_view cut(std::string_view text, int length);
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);
bool isBlank(std::string_view text);

// Characters first..first+length-1 (1-based), or what the text has of them.
std::string_view columns(std::string_view text, int first, int length);
std::string_view from(std::string_view text, int first);

// A decimal integer, optionally signed and surrounded by blanks; anything else
// (other characters, overflow, no digits) is not a number.
bool parseInteger(std::string_view text, int& value);

} // namespace text

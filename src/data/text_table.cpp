#include "data/text_table.h"

#include "platform/cp1252.h"

#include <algorithm>
#include <charconv>

namespace {
const std::string kEmpty;
}

TextTable::TextTable(int slotSize, int slotCount)
    : slotSize_(slotSize)
    , slots_(static_cast<size_t>(slotCount))
{
}

const std::string& TextTable::operator[](int index) const
{
    if (index < 0 || index >= slotCount())
        return kEmpty;
    return slots_[static_cast<size_t>(index)];
}

QString TextTable::text(int index) const
{
    return cp1252::decode((*this)[index]);
}

void TextTable::set(int index, std::string_view text)
{
    if (index < 0 || index >= slotCount())
        return;
    slots_[static_cast<size_t>(index)] = text::cut(text, slotSize_);
}

BlockTable::BlockTable(int groupCapacity, int linesPerGroup)
    : groupCapacity_(groupCapacity)
    , linesPerGroup_(linesPerGroup)
    , lines_(static_cast<size_t>(groupCapacity * linesPerGroup))
{
}

int BlockTable::index(int group, int slot) const
{
    if (group < 1 || group > groupCapacity_ || slot < 1 || slot > linesPerGroup_)
        return -1;
    return (group - 1) * linesPerGroup_ + (slot - 1);
}

const std::string& BlockTable::line(int group, int slot) const
{
    const int i = index(group, slot);
    return i < 0 ? kEmpty : lines_[static_cast<size_t>(i)];
}

QString BlockTable::text(int group, int slot) const
{
    return cp1252::decode(line(group, slot));
}

void BlockTable::set(int group, int slot, std::string_view text)
{
    const int i = index(group, slot);
    if (i >= 0)
        lines_[static_cast<size_t>(i)] = text::cut(text, text::kSlotSize);
}

namespace text {

std::string fillString(int n, char character)
{
    return std::string(static_cast<size_t>(std::clamp(n - 1, 0, 80)), character);
}

std::string fill(std::string_view line, int width)
{
    if (width <= 0)
        return {};
    std::string filled(line);
    filled += fillString(width);
    if (filled.size() > static_cast<size_t>(width))
        filled.resize(static_cast<size_t>(width));
    return filled;
}

std::string_view cut(std::string_view text, int length)
{
    return text.substr(0, static_cast<size_t>(std::max(length, 0)));
}

std::string_view trimRight(std::string_view text)
{
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view trim(std::string_view text)
{
    text = trimRight(text);
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool isBlank(std::string_view text)
{
    return trim(text).empty();
}

std::string_view columns(std::string_view text, int first, int length)
{
    const size_t start = static_cast<size_t>(std::max(first - 1, 0));
    if (start >= text.size() || length <= 0)
        return {};
    return text.substr(start, static_cast<size_t>(length));
}

std::string_view from(std::string_view text, int first)
{
    const size_t start = static_cast<size_t>(std::max(first - 1, 0));
    return start >= text.size() ? std::string_view() : text.substr(start);
}

bool parseInteger(std::string_view text, int& value)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+' && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

} // namespace text

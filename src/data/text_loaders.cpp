#include "data/text_loaders.h"

#include "platform/cp1252.h"

#include <algorithm>

namespace {

constexpr int kBlockWorkingLines = 5000;
constexpr int kBlockWidth = 60;


} // namespace

TextTable standardTable() { return TextTable(60, 1101); }
TextTable wideTable() { return TextTable(75, 1101); }
TextTable longTable() { return TextTable(90, 251); }
TextTable longLineTable() { return TextTable(100, 600); }
TextTable altNameTable() { return TextTable(120, 200); }
TextTable subjectTable() { return TextTable(70, 101); }
BlockTable blockTable26() { return BlockTable(170, 25); }
BlockTable blockTable51() { return BlockTable(50, 50); }

namespace loaders {

namespace {

template <typename Transform>
int loadNumbered(const LoadContext& ctx, const QString& path, TextTable& table, Transform transform)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    table.set(0, cp1252::encode(path));
    const int stored = std::min(static_cast<int>(lines->size()), table.slotCount() - 1);
    for (int n = 1; n <= stored; ++n)
        table.set(n, transform((*lines)[static_cast<size_t>(n - 1)]));
    table.count = stored;
    return stored;
}

} // namespace

int loadFilled(const LoadContext& ctx, const QString& path, TextTable& table, int width)
{
    return loadNumbered(ctx, path, table, [width](const std::string& line) { return text::fill(line, width); });
}

int loadRaw(const LoadContext& ctx, const QString& path, TextTable& table)
{
    return loadNumbered(ctx, path, table, [](const std::string& line) { return line; });
}

int loadCut(const LoadContext& ctx, const QString& path, TextTable& table, int length)
{
    return loadNumbered(ctx, path, table,
                        [length](const std::string& line) { return std::string(text::cut(line, length)); });
}

int loadFamilyMarkers(const LoadContext& ctx, const QString& path, TextTable& names,
                      std::vector<int>& lineNumbers, int width)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return names.count;
    lineNumbers.clear();
    int families = 0;
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (line.empty() || line.front() != '-')
            continue;
        if (families + 1 >= names.slotCount())
            break;
        ++families;
        lineNumbers.push_back(static_cast<int>(i) + 1);
        names.set(families, text::fill(std::string_view(line).substr(1), width));
    }
    names.count = families;
    return families;
}

void loadBlocks(const LoadContext& ctx, const QString& path, BlockTable& table)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return;
    const int blockLength = table.linesPerGroup() + 1;
    const int working = std::min(static_cast<int>(lines->size()), kBlockWorkingLines);
    int group = 0;
    int slot = 0;
    for (int j = 0; j < working; ++j) {
        if (j % blockLength == 0) {
            if (group == table.groupCapacity())
                break;
            ++group;
            slot = 0;
            continue;
        }
        table.set(group, ++slot, text::fill((*lines)[static_cast<size_t>(j)], kBlockWidth));
    }
    table.groupCount = group;
}

int loadLongLines(const LoadContext& ctx, const QString& path, TextTable& table, int width)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    const int stored = std::min(static_cast<int>(lines->size()), table.slotCount());
    for (int n = 0; n < stored; ++n)
        table.set(n, text::fill((*lines)[static_cast<size_t>(n)], width));
    table.count = stored;
    return stored;
}

} // namespace loaders

#include "data/structured_tables.h"

#include "platform/cp1252.h"

#include <algorithm>

namespace loaders {

namespace {

constexpr int kAddressLength = 100;
constexpr int kDegreeCodeField = 10;
constexpr int kUniversityNameLength = 40;
constexpr int kPathLength = 40;

int integerOrZero(std::string_view text)
{
    int value = 0;
    return text::parseInteger(text, value) ? value : 0;
}

std::string address(std::string_view line, int first)
{
    return std::string(text::cut(text::trimRight(text::from(line, first)), kAddressLength));
}

int degreeWithCode(const IntRecords& records, int degreeCount, int code)
{
    const int last = std::min(degreeCount, records.rows());
    for (int degree = 1; degree <= last; ++degree)
        if (records.field(degree, kDegreeCodeField) == code)
            return degree;
    return 0;
}

} // namespace

int loadComarcas(const LoadContext& ctx, const QString& path, Comarcas& table, int width)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    const int numbered = std::min(static_cast<int>(lines->size()), Comarcas::kNumbered);
    for (int line = 1; line <= numbered; ++line) {
        const std::string_view text = (*lines)[static_cast<size_t>(line - 1)];
        int number = 0;
        if (!text::parseInteger(text::columns(text, 3, 2), number)) {
            ctx.say(QStringLiteral("mal %1").arg(line));
            return table.count;
        }
        table.numberAtLine[static_cast<size_t>(line)] = number;
        if (number >= 1 && number <= Comarcas::kCapacity) {
            auto& entry = table.entries[static_cast<size_t>(number)];
            entry.code = text::columns(text, 1, 2);
            entry.name = text::columns(text, 5, width);
        }
    }
    int count = numbered;
    for (size_t i = Comarcas::kNumbered; i < lines->size() && count < Comarcas::kCapacity; ++i) {
        auto& entry = table.entries[static_cast<size_t>(++count)];
        entry.code = text::columns((*lines)[i], 1, 2);
        entry.name = text::columns((*lines)[i], 3, width + 10);
    }
    table.count = count;
    return count;
}

int loadMadridZones(const LoadContext& ctx, const QString& path, MadridZones& table, int width)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    const int stored = std::min(static_cast<int>(lines->size()), MadridZones::kCapacity);
    for (int k = 1; k <= stored; ++k) {
        const std::string_view text = (*lines)[static_cast<size_t>(k - 1)];
        int zone = 0;
        if (!text::parseInteger(text::columns(text, 3, 2), zone)) {
            ctx.say(QStringLiteral("mal %1").arg(k - 1));
            return table.count;
        }
        auto& entry = table.entries[static_cast<size_t>(k)];
        entry.code = text::columns(text, 1, 2);
        entry.zone = zone;
        entry.name = text::columns(text, 5, width);
    }
    table.zoneEntries = {};
    std::array<int, MadridZones::kZones + 1> listed{};
    for (int k = 1; k <= stored; ++k) {
        const int zone = table.entries[static_cast<size_t>(k)].zone;
        if (zone < 1 || zone > MadridZones::kZones || listed[static_cast<size_t>(zone)] == MadridZones::kEntriesPerZone)
            continue;
        table.zoneEntries[static_cast<size_t>(zone)][static_cast<size_t>(listed[static_cast<size_t>(zone)]++)] = k;
    }
    table.count = stored;
    return stored;
}

int loadPlaces(const LoadContext& ctx, const QString& path, Places& table)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    table.names.set(0, cp1252::encode(path));
    const int stored = std::min(static_cast<int>(lines->size()), Places::kCapacity);
    for (int n = 1; n <= stored; ++n) {
        const std::string_view line = (*lines)[static_cast<size_t>(n - 1)];
        table.regions[static_cast<size_t>(n)] = integerOrZero(text::columns(line, 1, 2));
        table.names.set(n, text::columns(line, 3, 35));
        table.addresses[static_cast<size_t>(n)] = address(line, 38);
    }
    table.names.count = stored;
    table.count = stored;
    return stored;
}

int loadRegionalLinks(const LoadContext& ctx, const QString& path, RegionalLinks& table)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    const int stored = std::min(static_cast<int>(lines->size()), RegionalLinks::kCapacity);
    for (int n = 0; n < stored; ++n)
        table.addresses[static_cast<size_t>(n)] = address((*lines)[static_cast<size_t>(n)], 15);
    table.count = stored;
    return stored;
}

int loadProfessions(const LoadContext& ctx, const QString& path, Professions& table)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    const int stored = std::min(static_cast<int>(lines->size()), Professions::kCapacity);
    for (int n = 1; n <= stored; ++n) {
        const std::string line = text::fill((*lines)[static_cast<size_t>(n - 1)], 51);
        Professions::Entry& entry = table.entries[static_cast<size_t>(n)];
        entry.code1 = text::columns(line, 1, 4);
        entry.code2 = text::columns(line, 6, 4);
        entry.name = text::columns(line, 11, 40);
    }
    table.count = stored;
    return stored;
}

int loadDoubleDegrees(const LoadContext& ctx, const QString& path, DoubleDegrees& table,
                      const IntRecords& degreeRecords, int degreeCount)
{
    const auto lines = ctx.readLines(path);
    if (!lines)
        return table.count;
    table.path = text::cut(cp1252::encode(path), kPathLength);
    int universities = 0;
    DoubleDegrees::University* current = nullptr;
    for (const std::string& line : *lines) {
        if (text::isBlank(line))
            continue;
        int number = 0;
        if (text::parseInteger(text::columns(line, 1, 2), number)) {
            if (number < 1 || number > 99)
                continue;
            if (universities == DoubleDegrees::kCapacity) {
                current = nullptr;
                continue;
            }
            current = &table.universities[static_cast<size_t>(++universities)];
            current->region = number;
            current->name = text::cut(text::columns(line, 3, 35), kUniversityNameLength);
            current->count = 0;
            continue;
        }
        if (!current || current->count == DoubleDegrees::kEntriesPerUniversity)
            continue;
        auto& entry = current->entries[static_cast<size_t>(++current->count)];
        entry = {};
        for (auto [first, degree] : {std::pair{5, &entry.firstDegree}, std::pair{8, &entry.secondDegree}}) {
            int code = 0;
            if (text::parseInteger(text::columns(line, first, 3), code))
                *degree = degreeWithCode(degreeRecords, degreeCount, code);
            else
                ctx.say(QStringLiteral("ERROR en fichero de dobles"));
        }
        const std::string_view mark = text::columns(line, 11, 4);
        entry.mark = text::isBlank(mark) ? std::string(" -  ") : std::string(mark);
    }
    table.count = universities;
    return universities;
}

} // namespace loaders

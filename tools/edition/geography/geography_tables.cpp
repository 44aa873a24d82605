#include "geography_tables.h"

#include "source_file.h"

#include "data/map_regions.h"

#include <QDir>
#include <QStringList>
#include <array>
#include <map>
#include <set>

namespace {

constexpr int kCommunities = 19;
constexpr int kCommunityNameWidth = 53; // comunida lines are 55 wide, after the two-column number
constexpr int kCommunityCaption = 45;
constexpr int kPlaceListWidth = 35;
constexpr int kRegionalLabelWidth = 14;
constexpr int kAddressWidth = 100;
constexpr int kComarcas = 41;
constexpr int kComarcaNameWidth = 20;
constexpr int kBarcelonaNameWidth = 30;
constexpr int kComarcaEntries = 60;
constexpr int kBarcelonaHeadingPosition = 5;
constexpr int kZones = 28;
constexpr int kZoneNameWidth = 25;
constexpr int kLinesPerZone = 3;
constexpr int kZoneEntries = 100;

// The program's centre code of a place number.
QString expectedCode(int place)
{
    const std::string_view code = centre_codes::code(place);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

struct Source {
    QString shown;
    std::vector<SourceLine> lines;
};

std::optional<Source> read(const QString& folder, const char* name, Diagnostics& diagnostics)
{
    const QString shown = QStringLiteral("geography/") + QLatin1String(name);
    auto lines = readSource(QDir(folder).filePath(QLatin1String(name)), shown, diagnostics);
    if (!lines)
        return std::nullopt;
    return Source{shown, std::move(*lines)};
}

// The tab-separated fields of a line, or nothing (reported) when there are not `count`.
std::optional<QStringList> fields(const Source& source, const SourceLine& line, int count, const char* layout,
                                  Diagnostics& diagnostics)
{
    QStringList parts = line.text.split(QLatin1Char('\t'));
    if (parts.size() != count || parts.contains(QString())) {
        diagnostics.error(source.shown, line.number, QStringLiteral("expected %1").arg(QLatin1String(layout)));
        return std::nullopt;
    }
    return parts;
}

std::optional<int> numberIn(const QString& text, int last, const Source& source, int line, Diagnostics& diagnostics)
{
    bool numeric = false;
    const int n = text.toInt(&numeric);
    if (numeric && n >= 1 && n <= last)
        return n;
    diagnostics.error(source.shown, line, QStringLiteral("region number must be 1..%1, not \"%2\"").arg(last).arg(text));
    return std::nullopt;
}

bool isCode(const QString& code)
{
    return code.size() == 2 && code.at(0).unicode() > ' ' && code.at(0).unicode() < 127 &&
           code.at(1).unicode() > ' ' && code.at(1).unicode() < 127;
}

std::string twoColumns(int n)
{
    return QStringLiteral("%1").arg(n, 2).toStdString();
}

std::string padded(std::string text, size_t width)
{
    text.resize(width, ' ');
    return text;
}

struct Community {
    QString name;
    int line = 0;
    int firstPlace = 0;
};

bool checkCount(const Source& source, int found, int expected, const char* what, Diagnostics& diagnostics)
{
    if (found == expected)
        return true;
    diagnostics.error(source.shown, 0, QStringLiteral("%1 %2 given, %3 expected").arg(found).arg(QLatin1String(what)).arg(expected));
    return false;
}

void compileRegionalLinks(const QString& folder, const std::vector<Community>& communities, OutputFolder& out,
                          Diagnostics& diagnostics)
{
    const auto source = read(folder, "regional-links.txt", diagnostics);
    if (!source)
        return;
    std::map<QString, std::string> addresses;
    for (const SourceLine& line : source->lines) {
        const auto parts = fields(*source, line, 2, "community<TAB>address", diagnostics);
        if (!parts)
            continue;
        const QString& name = parts->at(0);
        const QString& address = parts->at(1);
        if (std::none_of(communities.begin(), communities.end(), [&](const Community& c) { return c.name == name; }))
            diagnostics.error(source->shown, line.number, QStringLiteral("unknown community \"%1\"").arg(name));
        else if (addresses.count(name))
            diagnostics.error(source->shown, line.number, QStringLiteral("community \"%1\" given twice").arg(name));
        if (address.contains(QLatin1Char(' ')) || address.startsWith(QLatin1String("http")))
            diagnostics.error(source->shown, line.number,
                              QStringLiteral("the address is written without blanks and without \"http://\""));
        addresses[name] = encodeWithin(address, kAddressWidth, source->shown, line.number, diagnostics);
    }
    std::vector<std::string> lines;
    for (const Community& community : communities) {
        const auto found = addresses.find(community.name);
        if (found == addresses.end()) {
            diagnostics.error(source->shown, 0, QStringLiteral("no address for community \"%1\"").arg(community.name));
            continue;
        }
        std::string label = encodeChecked(community.name, source->shown, 0, diagnostics);
        lines.push_back(padded(label.substr(0, kRegionalLabelWidth), kRegionalLabelWidth) + found->second);
    }
    out.writeLines(QStringLiteral("comuint"), lines);
}

} // namespace

int compileCommunities(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto source = read(folder, "communities.txt", diagnostics);
    if (!source)
        return 0;
    const int errorsBefore = diagnostics.errors();
    std::vector<Community> communities;
    std::vector<std::string> communityLines;
    std::vector<std::string> placeLines;
    std::set<QString> codes;
    for (const SourceLine& line : source->lines) {
        if (!line.text.startsWith(QLatin1Char('\t'))) {
            if (std::any_of(communities.begin(), communities.end(), [&](const Community& c) { return c.name == line.text; }))
                diagnostics.error(source->shown, line.number, QStringLiteral("community \"%1\" given twice").arg(line.text));
            const std::string name = encodeWithin(line.text, kCommunityNameWidth, source->shown, line.number, diagnostics);
            if (static_cast<int>(name.size()) > kCommunityCaption)
                diagnostics.warning(source->shown, line.number,
                                    QStringLiteral("the map caption shows only %1 characters").arg(kCommunityCaption));
            communities.push_back({line.text, line.number, static_cast<int>(placeLines.size()) + 1});
            communityLines.push_back(twoColumns(communities.back().firstPlace) + name);
            continue;
        }
        if (communities.empty()) {
            diagnostics.error(source->shown, line.number, QStringLiteral("a place before the first community"));
            continue;
        }
        const auto parts = fields(*source, {line.number, line.text.mid(1)}, 2, "TAB code TAB place name", diagnostics);
        if (!parts)
            continue;
        const QString& code = parts->at(0);
        const int place = static_cast<int>(placeLines.size()) + 1;
        if (!isCode(code) || code.at(0) < QLatin1Char('1') || code.at(0) > QLatin1Char('4'))
            diagnostics.error(source->shown, line.number,
                              QStringLiteral("place code \"%1\": a centre table 1..4 and a province character").arg(code));
        else if (!codes.insert(code).second)
            diagnostics.error(source->shown, line.number, QStringLiteral("place code %1 given twice").arg(code));
        else if (place <= centre_codes::kPlaces && code != expectedCode(place))
            diagnostics.error(source->shown, line.number, QStringLiteral("place %1 has code %2; the program expects %3 there")
                                                             .arg(place).arg(code, expectedCode(place)));
        const std::string name = encodeWithin(parts->at(1), kCommunityNameWidth, source->shown, line.number, diagnostics);
        if (static_cast<int>(name.size()) > kPlaceListWidth)
            diagnostics.warning(source->shown, line.number,
                                QStringLiteral("place lists show only %1 characters").arg(kPlaceListWidth));
        placeLines.push_back(twoColumns(static_cast<int>(communities.size())) + name);
    }
    checkCount(*source, static_cast<int>(communities.size()), kCommunities, "communities", diagnostics);
    checkCount(*source, static_cast<int>(placeLines.size()), centre_codes::kPlaces, "places", diagnostics);
    for (size_t c = 0; c < communities.size(); ++c) {
        const int next = c + 1 < communities.size() ? communities[c + 1].firstPlace : static_cast<int>(placeLines.size()) + 1;
        if (next == communities[c].firstPlace)
            diagnostics.error(source->shown, communities[c].line, QStringLiteral("community without a place"));
    }
    communityLines.insert(communityLines.end(), placeLines.begin(), placeLines.end());
    out.writeLines(QStringLiteral("comunida"), communityLines);
    compileRegionalLinks(folder, communities, out, diagnostics);
    return diagnostics.errors() == errorsBefore ? static_cast<int>(communities.size()) : 0;
}

int compileComarcas(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto comarcas = read(folder, "comarcas.txt", diagnostics);
    const auto barcelona = read(folder, "barcelona.txt", diagnostics);
    if (!comarcas || !barcelona)
        return 0;
    const int errorsBefore = diagnostics.errors();
    std::vector<std::string> lines;
    std::set<int> numbers;
    std::set<QString> codes;
    auto newCode = [&](const Source& source, int line, const QString& code) {
        if (!isCode(code))
            diagnostics.error(source.shown, line, QStringLiteral("code \"%1\" must be two characters").arg(code));
        else if (!codes.insert(code).second)
            diagnostics.error(source.shown, line, QStringLiteral("code %1 given twice").arg(code));
    };
    for (const SourceLine& line : comarcas->lines) {
        const auto parts = fields(*comarcas, line, 3, "number<TAB>code<TAB>name", diagnostics);
        if (!parts)
            continue;
        const auto number = numberIn(parts->at(0), kComarcas, *comarcas, line.number, diagnostics);
        if (number && !numbers.insert(*number).second)
            diagnostics.error(comarcas->shown, line.number, QStringLiteral("comarca number %1 given twice").arg(*number));
        newCode(*comarcas, line.number, parts->at(1));
        const std::string name = encodeWithin(parts->at(2), kComarcaNameWidth, comarcas->shown, line.number, diagnostics);
        lines.push_back(parts->at(1).toStdString() + twoColumns(number.value_or(0)) + name);
    }
    checkCount(*comarcas, static_cast<int>(lines.size()), kComarcas, "comarcas", diagnostics);
    int position = 0;
    for (const SourceLine& line : barcelona->lines) {
        const auto parts = fields(*barcelona, line, 2, "code<TAB>name", diagnostics);
        if (!parts)
            continue;
        const bool heading = parts->at(0) == QLatin1String("-");
        if (heading != (++position == kBarcelonaHeadingPosition))
            diagnostics.error(barcelona->shown, line.number,
                              QStringLiteral("the heading (code \"-\") must be entry %1 of the list").arg(kBarcelonaHeadingPosition));
        if (!heading)
            newCode(*barcelona, line.number, parts->at(0));
        const std::string name = encodeWithin(parts->at(1), kBarcelonaNameWidth, barcelona->shown, line.number, diagnostics);
        lines.push_back((heading ? std::string("  ") : parts->at(0).toStdString()) + name);
    }
    if (position < kBarcelonaHeadingPosition)
        diagnostics.error(barcelona->shown, 0, QStringLiteral("the list needs its heading as entry %1").arg(kBarcelonaHeadingPosition));
    if (static_cast<int>(lines.size()) > kComarcaEntries)
        diagnostics.error(barcelona->shown, 0, QStringLiteral("%1 entries with the comarcas; the table holds %2")
                                                    .arg(lines.size()).arg(kComarcaEntries));
    out.writeLines(QStringLiteral("comarcas"), lines);
    return diagnostics.errors() == errorsBefore ? kComarcas : 0;
}

int compileMadridZones(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto source = read(folder, "madrid-zones.txt", diagnostics);
    if (!source)
        return 0;
    const int errorsBefore = diagnostics.errors();
    std::vector<std::string> lines;
    std::map<int, std::pair<QString, int>> zones; // zone -> (code, lines)
    std::map<QString, int> zoneOfCode;
    for (const SourceLine& line : source->lines) {
        const auto parts = fields(*source, line, 3, "zone<TAB>code<TAB>name", diagnostics);
        if (!parts)
            continue;
        const auto zone = numberIn(parts->at(0), kZones, *source, line.number, diagnostics);
        const QString& code = parts->at(1);
        if (!isCode(code))
            diagnostics.error(source->shown, line.number, QStringLiteral("code \"%1\" must be two characters").arg(code));
        if (zone) {
            auto& [zoneCode, count] = zones[*zone];
            if (count == 0 && zoneOfCode.count(code))
                diagnostics.error(source->shown, line.number, QStringLiteral("code %1 belongs to zone %2").arg(code).arg(zoneOfCode[code]));
            if (count > 0 && code != zoneCode)
                diagnostics.error(source->shown, line.number, QStringLiteral("zone %1 has code %2").arg(*zone).arg(zoneCode));
            if (++count > kLinesPerZone)
                diagnostics.error(source->shown, line.number, QStringLiteral("zone %1 has more than %2 lines").arg(*zone).arg(kLinesPerZone));
            zoneCode = code;
            zoneOfCode.emplace(code, *zone);
        }
        const std::string name = encodeWithin(parts->at(2), kZoneNameWidth, source->shown, line.number, diagnostics);
        lines.push_back(code.toStdString() + twoColumns(zone.value_or(0)) + name);
    }
    for (int zone = 1; zone <= kZones; ++zone)
        if (!zones.count(zone))
            diagnostics.error(source->shown, 0, QStringLiteral("zone %1 has no line").arg(zone));
    if (static_cast<int>(lines.size()) > kZoneEntries)
        diagnostics.error(source->shown, 0, QStringLiteral("%1 lines; the table holds %2").arg(lines.size()).arg(kZoneEntries));
    out.writeLines(QStringLiteral("comarcasm"), lines);
    return diagnostics.errors() == errorsBefore ? kZones : 0;
}

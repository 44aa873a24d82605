#include "university/where_to_study.h"

#include "data/data_store.h"
#include "university/degree_lines.h"

#include <string>

namespace {

constexpr int kCommunities = 19;
constexpr int kBranches = 5;
constexpr int kPlaceNameWidth = 35;
constexpr int kDegreeNameWidth = 55;
constexpr int kPartnerNameWidth = 51;
constexpr int kBranchNameWidth = 39;
constexpr int kTitleLineWidth = 38;
constexpr int kLinesWithoutBranches = 15;

constexpr int kUiFirstBranch = 515;


QByteArray blanks(int count)
{
    return QByteArray(count, ' ');
}

struct PlaceEntry {
    QByteArray text;
    int community = 0;
};

QList<PlaceDegreeLine> groupedByBranch(const DataStore& store, const QList<PlaceDegreeLine>& lines,
                                       const QList<int>& branches)
{
    QList<PlaceDegreeLine> grouped;
    for (int branch = 1; branch <= kBranches; ++branch) {
        bool headerAdded = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (branches[i] != branch)
                continue;
            if (!headerAdded) {
                const auto name = text::cut(store.uiText.bytes(kUiFirstBranch + branch - 1), kBranchNameWidth);
                grouped.append({"-   " + degree_lines::toBytes(name) + blanks(5), 0});
                headerAdded = true;
            }
            grouped.append(lines[i]);
        }
    }
    // A degree of no known branch is still listed, after the branches.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (branches[i] < 1 || branches[i] > kBranches)
            grouped.append(lines[i]);
    }
    return grouped;
}

void appendDoubleDegrees(const DataStore& store, int place, QList<PlaceDegreeLine>& lines)
{
    if (place >= static_cast<int>(store.dobles.universities.size()) || place > store.dobles.count)
        return;
    const auto& block = store.dobles.universities[static_cast<size_t>(place)];
    if (block.count <= 0)
        return;
    lines.append({QByteArray(), 0});
    lines.append({"-" + blanks(16) + degree_lines::toBytes(store.uiText.bytes(242)) + blanks(5), 0});
    for (int i = 1; i <= block.count; ++i) {
        const auto& pair = block.entries[static_cast<size_t>(i)];
        lines.append({degree_lines::toBytes(degree_lines::fixedWidth(degree_lines::nameAtPlace(store, pair.firstDegree, place),
                                                    kDegreeNameWidth)) +
                          degree_lines::toBytes(degree_lines::fixedWidth(pair.mark, 4)),
                      0});
        lines.append({" + " +
                          degree_lines::toBytes(degree_lines::fixedWidth(degree_lines::nameAtPlace(store, pair.secondDegree, place),
                                                         kPartnerNameWidth)) +
                          blanks(4),
                      0});
        lines.append({blanks(17) + "-----" + blanks(5), 0});
    }
}

} // namespace

QByteArray markText(int tenths)
{
    if (tenths == 10)
        return "  - ";
    return QByteArray::number(tenths / 10).rightJustified(2, ' ') + ',' + QByteArray::number(tenths % 10);
}

WhereToStudyList composeWhereToStudy(const DataStore& store, int degree)
{
    QList<PlaceEntry> entries;
    const int places = store.datcarn.length(1, degree);
    for (int k = 1; k <= places; ++k) {
        const int place = store.datcarn.value(1, degree, k);
        if (place < 1 || place > store.lugar.count)
            continue;
        entries.append({degree_lines::toBytes(degree_lines::fixedWidth(store.lugar.names[place], kPlaceNameWidth)) +
                            markText(store.datcarn.value(2, degree, k)),
                        store.lugar.regions[static_cast<size_t>(place)]});
    }

    WhereToStudyList list;
    list.lines.append(
        degree_lines::toBytes(text::cut("-" + std::string(17, ' ') + std::string(store.uiText.bytes(593)), kTitleLineWidth)));
    list.lines.append("Not.");
    for (int community = 1; community <= kCommunities; ++community) {
        const qsizetype headerIndex = list.lines.size();
        for (const PlaceEntry& entry : entries) {
            if (entry.community != community)
                continue;
            if (!list.marks.flags[community]) {
                list.marks.flags[community] = true;
                list.marks.firstRow[community] = static_cast<int>(headerIndex);
                list.lines.append("- " + degree_lines::toBytes(text::from(store.comunida[community], 3)));
            }
            list.lines.append("<" + entry.text);
        }
    }
    return list;
}

QList<int> placesOfCommunity(const DataStore& store, int community)
{
    const int wanted = (community == 18 || community == 19) ? 1 : community;
    QList<int> places;
    for (int place = 1; place <= store.lugar.count; ++place) {
        if (store.lugar.regions[static_cast<size_t>(place)] == wanted)
            places.append(place);
    }
    return places;
}

QList<PlaceDegreeLine> composePlaceDegrees(const DataStore& store, int place)
{
    QList<PlaceDegreeLine> lines;
    QList<int> branches;
    const int degreeCount = degree_lines::degreeCount(store);
    for (int degree = 1; degree <= degreeCount; ++degree) {
        const int places = store.datcarn.length(1, degree);
        for (int k = 1; k <= places; ++k) {
            if (store.datcarn.value(1, degree, k) != place)
                continue;
            lines.append({"<" +
                              degree_lines::toBytes(degree_lines::fixedWidth(degree_lines::nameAtPosition(store, degree, k),
                                                             kDegreeNameWidth)) +
                              markText(store.datcarn.value(2, degree, k)),
                          degree});
            branches.append(store.datgrados.field(degree, 1));
        }
    }
    if (lines.size() > kLinesWithoutBranches)
        lines = groupedByBranch(store, lines, branches);
    appendDoubleDegrees(store, place, lines);
    return lines;
}

#include "university/star_map_doubles.h"

#include "data/data_store.h"
#include "university/degree_lines.h"

#include <string>

namespace {

constexpr int kUniversityNameWidth = 42;
constexpr int kPartnerNameWidth = 45;
constexpr int kDegreeNameWidth = 62;
constexpr int kNameColumnWidth = 47;
constexpr int kMarkWidth = 4;



// The partner lines of one university, headed by its name.
QList<QByteArray> universityLines(const DataStore& store, const DoubleDegrees::University& university, int degree)
{
    QList<QByteArray> lines;
    for (int i = 1; i <= university.count; ++i) {
        const auto& pair = university.entries[static_cast<size_t>(i)];
        for (const auto& [chosen, partner] : {std::pair{pair.firstDegree, pair.secondDegree},
                                             std::pair{pair.secondDegree, pair.firstDegree}}) {
            if (chosen != degree)
                continue;
            if (lines.isEmpty())
                lines.append("- " + degree_lines::toBytes(text::cut(university.name, kUniversityNameWidth)));
            lines.append("+ " + degree_lines::toBytes(degree_lines::fixedWidth(store.carreran[partner], kPartnerNameWidth)) +
                         degree_lines::toBytes(degree_lines::fixedWidth(pair.mark, kMarkWidth)));
        }
    }
    return lines;
}

} // namespace

QList<GridRow> composeStarMapDoubles(const DataStore& store, int community, int degree)
{
    QList<GridRow> rows;
    rows.append({"     " + degree_lines::toBytes(store.uiText.bytes(242)) + " de...", {}});
    rows.append({"- " + degree_lines::toBytes(text::cut(store.carreran[degree], kDegreeNameWidth)), {}});
    rows.append({"     " + degree_lines::toBytes(store.uiText.bytes(593)) + "...", {}});
    // Pairs whose code no degree has hold degree 0: no degree must match them.
    if (degree < 1 || degree > degree_lines::degreeCount(store))
        return rows;
    const int universities = std::min(store.dobles.count, static_cast<int>(store.dobles.universities.size()) - 1);
    for (int u = 1; u <= universities; ++u) {
        const auto& university = store.dobles.universities[static_cast<size_t>(u)];
        if (university.region != community)
            continue;
        for (const QByteArray& line : universityLines(store, university, degree))
            rows.append({line.left(kNameColumnWidth), " " + line.mid(kNameColumnWidth, kMarkWidth)});
    }
    return rows;
}

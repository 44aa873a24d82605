#include "university/degree_lines.h"

#include "data/data_store.h"

#include <algorithm>

namespace degree_lines {

int degreeCount(const DataStore& store)
{
    return std::clamp(store.carreran.count, 0, store.datgrados.rows());
}

QByteArray toBytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fixedWidth(std::string_view text, int width)
{
    std::string fixed(text::cut(text, width));
    fixed.resize(static_cast<size_t>(std::max(width, 0)), ' ');
    return fixed;
}

std::string_view altNameLine(const DataStore& store, int n)
{
    // The table holds line 1 in slot 0.
    return n >= 1 && n <= store.carrenue.count ? std::string_view(store.carrenue[n - 1]) : std::string_view();
}

std::string_view nameAtPosition(const DataStore& store, int degree, int position)
{
    const int altName = store.datcarnue.value(2, degree, position);
    if (altName > 0 && altName <= store.carrenue.count)
        return altNameLine(store, altName);
    return store.carreran[degree];
}

std::string_view nameAtPlace(const DataStore& store, int degree, int place)
{
    const int places = store.datcarn.length(1, degree);
    for (int k = 1; k <= places; ++k) {
        if (store.datcarn.value(1, degree, k) == place)
            return nameAtPosition(store, degree, k);
    }
    return store.carreran[degree];
}

} // namespace degree_lines

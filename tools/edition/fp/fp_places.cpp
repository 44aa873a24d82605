#include "fp_places.h"

#include "source_file.h"

#include <QDir>
#include <QStringList>

namespace {

constexpr const char* kBarcelonesRegion = "37";

std::vector<QStringList> tabbed(const QString& sourceRoot, const char* file, Diagnostics& diagnostics)
{
    const QString shown = QStringLiteral("geography/") + QLatin1String(file);
    std::vector<QStringList> rows;
    if (const auto lines = readSource(QDir(sourceRoot).filePath(shown), shown, diagnostics))
        for (const SourceLine& line : *lines)
            rows.push_back(line.text.split(QLatin1Char('\t')));
    return rows;
}

} // namespace

CentrePlaces readCentrePlaces(const QString& sourceRoot, Diagnostics& diagnostics)
{
    CentrePlaces result;
    int community = 0;
    for (const QStringList& row : tabbed(sourceRoot, "communities.txt", diagnostics)) {
        if (row.size() == 1)
            ++community;
        else if (row.size() == 3)
            result.places[row.at(2)] = {row.at(1), community};
    }
    for (const QStringList& row : tabbed(sourceRoot, "comarcas.txt", diagnostics))
        if (row.size() == 3) {
            result.comarcas[row.at(2)] = row.at(1);
            if (row.at(0) == QLatin1String(kBarcelonesRegion))
                result.barcelonesCode = row.at(1);
        }
    for (const QStringList& row : tabbed(sourceRoot, "barcelona.txt", diagnostics))
        if (row.size() == 2 && row.at(0) != QLatin1String("-"))
            result.comarcas[row.at(1)] = row.at(0);
    for (const QStringList& row : tabbed(sourceRoot, "madrid-zones.txt", diagnostics))
        if (row.size() == 3)
            result.madridZones[row.at(2)] = row.at(1);
    return result;
}

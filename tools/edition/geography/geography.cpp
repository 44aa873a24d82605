#include "geography.h"

#include "geography_maps.h"
#include "geography_tables.h"

#include <QDir>

void compileGeography(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const QString folder = QDir(sourceRoot).filePath(QStringLiteral("geography"));
    const int communities = compileCommunities(folder, out, diagnostics);
    const int comarcas = compileComarcas(folder, out, diagnostics);
    const int zones = compileMadridZones(folder, out, diagnostics);
    if (communities == 0 || comarcas == 0 || zones == 0)
        return;
    const MapSource maps[3] = {
        {"communities", "mapa", 196, communities},
        {"catalonia", "mapac", 220, comarcas},
        {"madrid", "mapam", 220, zones},
    };
    compileMaps(QDir(folder).filePath(QStringLiteral("maps")), maps, out, diagnostics);
}

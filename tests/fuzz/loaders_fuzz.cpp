// Every loader over the same arbitrary file: none may crash, hang or read
// outside its tables, whatever the file holds.
#include "data/record_files.h"
#include "data/structured_tables.h"
#include "data/text_loaders.h"
#include "data/ui_text.h"
#include "support/recording_messages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

struct Tables {
    TextTable standard = standardTable();
    TextTable wide = wideTable();
    TextTable longOne = longTable();
    TextTable longLines = longLineTable();
    TextTable altNames = altNameTable();
    TextTable families = standardTable();
    std::vector<int> familyLines;
    BlockTable blocks26 = blockTable26();
    BlockTable blocks51 = blockTable51();
    UiText uiText;
    Comarcas comarcas;
    MadridZones zones;
    Places places;
    RegionalLinks links;
    DoubleDegrees doubles;
    IntRecords degrees{350, 14};
    CentreTitles centres;
    ByteLists degreePlaces{2, 350, 100};
    ByteLists groups{3, 20, 50};
    RegionGrids grids;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    static RecordingMessages messages;
    static Tables t;
    messages.shown.clear();

    QFile file(folder.filePath(QStringLiteral("f")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    bool aborted = false;
    const LoadContext ctx(folder.path(), aborted);
    const QString f = QStringLiteral("f");
    loaders::loadFilled(ctx, f, t.standard, 90);
    loaders::loadFilled(ctx, f, t.wide, 75);
    loaders::loadRaw(ctx, f, t.longOne);
    loaders::loadLongLines(ctx, f, t.longLines, 60);
    loaders::loadLongLines(ctx, f, t.altNames, 60);
    loaders::loadFamilyMarkers(ctx, f, t.families, t.familyLines, 60);
    loaders::loadBlocks(ctx, f, t.blocks26);
    loaders::loadBlocks(ctx, f, t.blocks51);
    t.uiText.load(ctx, f);
    loaders::loadComarcas(ctx, f, t.comarcas, 20);
    loaders::loadMadridZones(ctx, f, t.zones, 25);
    loaders::loadPlaces(ctx, f, t.places);
    loaders::loadRegionalLinks(ctx, f, t.links);
    loaders::loadRecords(ctx, f, t.degrees);
    loaders::loadDoubleDegrees(ctx, f, t.doubles, t.degrees, 350);
    loaders::loadRecords(ctx, f, t.centres);
    loaders::loadRecords(ctx, f, t.degreePlaces);
    loaders::loadRecords(ctx, f, t.groups);
    loaders::loadRecords(ctx, f, t.grids);
    const AltNameIndex index = buildAltNameIndex(t.degreePlaces, t.degreePlaces, 350);
    return index.empty() ? 1 : 0;
}

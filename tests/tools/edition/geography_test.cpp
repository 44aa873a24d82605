#include "geography.h"

#include "data/load_context.h"
#include "data/record_files.h"
#include "data/structured_tables.h"
#include "data/text_loaders.h"
#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Star points of the communities map, community k at index k - 1.
constexpr int kStars[19][2] = {
    {102, 141}, {156, 73}, {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
    {100, 68},  {188, 64}, {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
    {143, 52},  {160, 107}, {130, 47}, {83, 171},  {136, 174},
};

std::vector<int> pixelsPerRegion(const RegionGrid& grid, int regions)
{
    std::vector<int> pixels(size_t(regions) + 1);
    for (int x = 1; x <= grid.columns(); ++x)
        for (int y = 1; y <= grid.rows(); ++y)
            if (grid.at(x, y) <= regions)
                ++pixels[size_t(grid.at(x, y))];
    return pixels;
}

// The real geography sources, compiled once.
class CompiledGeography : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        output = new FixtureFolder;
        Diagnostics diagnostics;
        OutputFolder out(output->path(), diagnostics);
        compileGeography(QStringLiteral(TRAZELA_EDITION_SOURCES), out, diagnostics);
        errors = diagnostics.errors();
    }
    static void TearDownTestSuite() { delete output; }

    LoadContext context() { return LoadContext(output->path(), aborted); }

    static inline FixtureFolder* output = nullptr;
    static inline int errors = 0;
    bool aborted = false;
    RecordingMessages messages;
};

TEST_F(CompiledGeography, MapsPutEveryRegionWhereTheProgramLooks)
{
    ASSERT_EQ(errors, 0);
    RegionGrids grids;
    ASSERT_TRUE(loaders::loadRecords(context(), QStringLiteral("puntos3"), grids));
    EXPECT_EQ(QFileInfo(output->filePath("puntos3")).size(), RegionGrids::kFileSize);

    for (int k = 1; k <= 19; ++k)
        EXPECT_EQ(grids.communities.at(kStars[k - 1][0], kStars[k - 1][1]), k) << "star of community " << k;
    const auto communities = pixelsPerRegion(grids.communities, 19);
    EXPECT_GE(communities[18], 9) << "Ceuta";
    EXPECT_GE(communities[19], 9) << "Melilla";
    const auto comarcas = pixelsPerRegion(grids.catalonia, 41);
    for (int k = 1; k <= 41; ++k)
        EXPECT_GT(comarcas[size_t(k)], 0) << "comarca " << k;
    const auto zones = pixelsPerRegion(grids.madrid, 28);
    for (int k = 1; k <= 28; ++k)
        EXPECT_GT(zones[size_t(k)], 0) << "zone " << k;
}

TEST_F(CompiledGeography, PicturesAreTheBitmapsTheScreensShow)
{
    struct Expected {
        const char* file;
        int height;
        int depth;
    };
    for (const Expected& expected : {Expected{"mapa", 196, 8}, Expected{"mapac", 220, 24}, Expected{"mapam", 220, 24}}) {
        QFile file(output->filePath(QLatin1String(expected.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << expected.file;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("BM")) << expected.file;
        EXPECT_EQ(static_cast<uchar>(bytes.at(28)), expected.depth) << expected.file;
        const QImage picture = QImage::fromData(bytes);
        EXPECT_EQ(picture.size(), QSize(281, expected.height)) << expected.file;
    }
    // The indexed map keeps the display picture's colours exactly.
    const QImage display(QStringLiteral(TRAZELA_EDITION_SOURCES "/geography/maps/communities-display.png"));
    const QImage mapa(output->filePath("mapa"));
    EXPECT_EQ(mapa.convertToFormat(QImage::Format_RGB32), display.convertToFormat(QImage::Format_RGB32));

    // Every byte, row padding included, is the same on every compilation.
    FixtureFolder again;
    Diagnostics diagnostics;
    OutputFolder out(again.path(), diagnostics);
    compileGeography(QStringLiteral(TRAZELA_EDITION_SOURCES), out, diagnostics);
    for (const char* name : {"mapa", "mapac", "mapam"}) {
        QFile first(output->filePath(QLatin1String(name)));
        QFile second(again.filePath(QLatin1String(name)));
        ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(first.readAll(), second.readAll()) << name;
    }
}

TEST_F(CompiledGeography, TablesLoadWithTheProgramsLoaders)
{
    ASSERT_EQ(errors, 0);
    Comarcas comarcas;
    EXPECT_EQ(loaders::loadComarcas(context(), QStringLiteral("comarcas"), comarcas, 20), 56);
    EXPECT_EQ(comarcas.entries[37].name.substr(0, 10), "Barcelon\xE8s");
    EXPECT_EQ(comarcas.entries[46].name.substr(0, 9), "Barcelona");
    EXPECT_EQ(comarcas.entries[46].code, "  ");

    MadridZones zones;
    EXPECT_GT(loaders::loadMadridZones(context(), QStringLiteral("comarcasm"), zones, 25), 28);
    const auto& vallecas = zones.zoneEntries[25];
    EXPECT_NE(vallecas[0], 0);
    EXPECT_EQ(vallecas[1], 0);
    EXPECT_EQ(zones.entries[size_t(vallecas[0])].name.substr(0, 8), "Vallecas");
    for (int entry : zones.zoneEntries[7])
        EXPECT_NE(entry, 0) << "zone 7 has three lines";
    for (int zone = 1; zone <= 28; ++zone)
        EXPECT_NE(zones.zoneEntries[size_t(zone)][0], 0) << "zone " << zone;

    RegionalLinks links;
    EXPECT_EQ(loaders::loadRegionalLinks(context(), QStringLiteral("comuint"), links), 19);
    for (int n = 0; n < 19; ++n)
        EXPECT_TRUE(links.addresses[size_t(n)].find('.') != std::string::npos) << "link " << n;

    TextTable comunida(60, 1101);
    EXPECT_EQ(loaders::loadFilled(context(), QStringLiteral("comunida"), comunida, 55), 19 + 64);
    EXPECT_EQ(comunida.text(13).left(8), QStringLiteral("47Madrid"));
    EXPECT_EQ(comunida.text(19 + 47).left(9), QStringLiteral("13Madrid "));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QStringLiteral("; ")).toStdString();
}

// A copy of the real geography sources, for one file to be replaced.
struct GeographySources {
    GeographySources()
    {
        for (const char* folder : {"geography", "geography/maps"}) {
            const QDir real(QStringLiteral(TRAZELA_EDITION_SOURCES "/") + QLatin1String(folder));
            for (const QString& name : real.entryList(QDir::Files)) {
                QFile file(real.filePath(name));
                file.open(QIODevice::ReadOnly);
                sources.writeBytes(QLatin1String(folder) + QLatin1Char('/') + name, file.readAll());
            }
        }
    }

    int compileErrors()
    {
        Diagnostics diagnostics;
        OutputFolder out(output.path(), diagnostics);
        compileGeography(sources.path(), out, diagnostics);
        return diagnostics.errors();
    }

    FixtureFolder sources;
    FixtureFolder output;
};

TEST(GeographyErrors, SourceProblemsAreReported)
{
    struct Case {
        const char* file;
        QByteArray content;
    };
    const QByteArray zones = "1\t81\tCentro\n";
    const Case cases[] = {
        {"regional-links.txt", "Atlántida\twww.example.org\n"},                     // unknown community, others missing
        {"regional-links.txt", "Aragón\thttp://fp.example.org\n"},                 // scheme in the address
        {"comarcas.txt", "1\t9A\tAlt Camp\n1\t9B\tBaix Camp\n"},                   // number twice, too few comarcas
        {"comarcas.txt", "42\t9A\tAlt Camp\n"},                                     // number out of range
        {"barcelona.txt", "6K\tL'Hospitalet\n-\tBarcelona\n"},                      // heading not fifth
        {"barcelona.txt", "6K\tUn nombre de municipio demasiado largo\n"},          // wider than 30
        {"madrid-zones.txt", zones + "1\t82\tSol\n"},                               // two codes in one zone
        {"madrid-zones.txt", zones + zones + zones + zones},                        // four lines in a zone
        {"communities.txt", "Andalucía\n\t38\tAlmería\n"},                          // code out of the program's order
    };
    for (const Case& c : cases) {
        GeographySources geography;
        geography.sources.writeBytes(QStringLiteral("geography/") + QLatin1String(c.file), c.content);
        EXPECT_GT(geography.compileErrors(), 0) << c.file << ": " << c.content.toStdString();
    }
}

TEST(GeographyErrors, BrokenIndexPicturesAreReported)
{
    GeographySources geography;
    const QString index = geography.sources.filePath(QStringLiteral("geography/maps/madrid-index.png"));
    QImage grey(index);
    grey = grey.convertToFormat(QImage::Format_Grayscale8);
    struct Case {
        const char* what;
        QImage picture;
    };
    QImage outOfRange = grey;
    outOfRange.scanLine(10)[10] = 29;
    QImage missingZone = grey;
    for (int y = 0; y < missingZone.height(); ++y)
        for (int x = 0; x < missingZone.width(); ++x)
            if (missingZone.constScanLine(y)[x] == 25)
                missingZone.scanLine(y)[x] = 24;
    const Case cases[] = {
        {"region out of range", outOfRange},
        {"a zone without pixels", missingZone},
        {"wrong size", grey.copy(0, 0, 281, 196)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.picture.save(index, "PNG"));
        geography.output.remove(QStringLiteral("puntos3"));
        EXPECT_EQ(geography.compileErrors(), 1) << c.what;
        EXPECT_FALSE(QFileInfo::exists(geography.output.filePath("puntos3"))) << c.what;
    }
}

} // namespace

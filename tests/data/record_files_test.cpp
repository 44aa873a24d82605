#include "data/record_files.h"

#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace {

class RecordFiles : public ::testing::Test {
protected:
    FixtureFolder folder;
    RecordingMessages messages;
};

// A byte-list file: lists[record][list] = values.
QByteArray byteListFile(int records, int lists, int values,
                        const std::vector<std::tuple<int, int, std::vector<uint8_t>, int>>& filled)
{
    QByteArray bytes(records * lists * (values + 1), '\0');
    for (const auto& [record, list, content, length] : filled) {
        char* at = bytes.data() + ((record - 1) * lists + (list - 1)) * (values + 1);
        at[0] = static_cast<char>(length);
        for (size_t i = 0; i < content.size(); ++i)
            at[1 + i] = static_cast<char>(content[i]);
    }
    return bytes;
}

} // namespace

TEST_F(RecordFiles, CentreTitlesListTheTitlesOfEachCentre)
{
    std::vector<int32_t> values(4 * 1100 * 26);
    values[0] = 1;
    values[1] = 46;
    values[26] = 0;
    values[26 * 1100 * 3 + 26 * 4] = 2; // block 4, row 5
    values[26 * 1100 * 3 + 26 * 4 + 1] = 7;
    values[26 * 1100 * 3 + 26 * 4 + 2] = 9;
    values[26 * 2] = 900; // a damaged count
    folder.writeIntegers("datluggs", values);

    CentreTitles titles;
    ASSERT_TRUE(loaders::loadRecords(folder.context(), "datluggs", titles));
    EXPECT_EQ(titles.titleCount(1, 1), 1);
    EXPECT_EQ(titles.title(1, 1, 1), 46);
    EXPECT_EQ(titles.title(1, 1, 2), 0);
    EXPECT_EQ(titles.titleCount(1, 2), 0);
    EXPECT_EQ(titles.titleCount(4, 5), 2);
    EXPECT_EQ(titles.title(4, 5, 2), 9);
    EXPECT_EQ(titles.titleCount(1, 3), 25);
    EXPECT_EQ(titles.titleCount(5, 1), 0);
    EXPECT_EQ(titles.byteSize(), 457600);
}

TEST_F(RecordFiles, AreasHaveTheSizesOfTheirFiles)
{
    EXPECT_EQ(IntRecords(200, 25).byteSize(), 20000);
    EXPECT_EQ(IntRecords(200, 7).byteSize(), 5600);
    EXPECT_EQ(IntRecords(350, 14).byteSize(), 19600);
    EXPECT_EQ(ByteLists(2, 350, 100).byteSize(), 70700);
    EXPECT_EQ(ByteLists(3, 20, 50).byteSize(), 3060);
    EXPECT_EQ(RegionGrids::kFileSize, 714864);
}

TEST_F(RecordFiles, ShortOrMissingFileIsReportedAsMissing)
{
    folder.writeIntegers("datfps", std::vector<int32_t>(100, 3));
    IntRecords records(200, 25);
    EXPECT_FALSE(loaders::loadRecords(folder.context(), "datfps", records));
    EXPECT_FALSE(loaders::loadRecords(folder.context(), "datfpm", records));
    EXPECT_EQ(messages.shown, (QStringList{"Faltan ficheros (datfps). Vuelva a instalar el programa",
                                           "Faltan ficheros (datfpm). Vuelva a instalar el programa"}));
    EXPECT_TRUE(folder.aborted);
    EXPECT_EQ(records.field(1, 1), 0);
}

TEST_F(RecordFiles, LongerFileIsReadUpToTheArea)
{
    std::vector<int32_t> values(200 * 7 + 50, -1);
    values[200 * 7 - 1] = 42;
    folder.writeIntegers("datfpm", values);
    IntRecords records(200, 7);
    ASSERT_TRUE(loaders::loadRecords(folder.context(), "datfpm", records));
    EXPECT_EQ(records.field(200, 7), 42);
    EXPECT_EQ(records.field(201, 1), 0);
    EXPECT_EQ(records.field(1, 8), 0);
}

TEST_F(RecordFiles, ByteListsClampTheirLengths)
{
    folder.writeBytes("datgrub", byteListFile(3, 20, 50, {{1, 1, {3, 5, 8}, 3}, {3, 20, {112}, 1}, {2, 4, {}, 200}}));
    ByteLists groups(3, 20, 50);
    ASSERT_TRUE(loaders::loadRecords(folder.context(), "datgrub", groups));
    EXPECT_EQ(groups.length(1, 1), 3);
    EXPECT_EQ(groups.value(1, 1, 3), 8);
    EXPECT_EQ(groups.value(3, 20, 1), 112);
    EXPECT_EQ(groups.length(2, 4), 50);
    EXPECT_EQ(groups.value(2, 4, 51), 0);
    EXPECT_EQ(groups.length(4, 1), 0);
}

TEST(AltNameIndex, KeepsDistinctNamesOfThePlacesInUse)
{
    struct Case {
        std::vector<uint8_t> names;
        int places;
        std::vector<int> expected;
    };
    for (const Case& c : {
             Case{{0, 4, 4, 2, 0, 4}, 6, {4, 2}},
             Case{{3, 3, 9}, 2, {3}},
             Case{{0, 0, 0}, 3, {}},
             Case{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
         }) {
        ByteLists places(2, 350, 100);
        ByteLists names(2, 350, 100);
        places.assign(byteListFile(2, 350, 100, {{1, 2, {}, c.places}}).constData());
        names.assign(byteListFile(2, 350, 100, {{2, 2, c.names, static_cast<int>(c.names.size())}}).constData());
        const AltNameIndex index = buildAltNameIndex(names, places, 3);
        ASSERT_EQ(index.size(), 4u);
        EXPECT_EQ(index[1].count, 0);
        const AltNameRow& row = index[2];
        EXPECT_EQ(std::vector<int>(row.names.begin(), row.names.begin() + row.count), c.expected);
    }
}

TEST_F(RecordFiles, RegionGridsKeepTheLowByteOfEachColumn)
{
    std::vector<int32_t> values(281 * 636);
    values[0] = 0x0305;                     // communities (1, 1)
    values[280 * 636 + 195] = 19;           // communities (281, 196)
    values[196] = 41;                       // Catalonia (1, 1)
    values[4 * 636 + 196 + 9] = 12;         // Catalonia (5, 10)
    values[416] = 28;                       // Madrid (1, 1)
    values[280 * 636 + 416 + 219] = 200;    // Madrid (281, 220), outside 1..28
    folder.writeIntegers("puntos3", values);

    RegionGrids grids;
    ASSERT_TRUE(loaders::loadRecords(folder.context(), "puntos3", grids));
    EXPECT_EQ(grids.communities.at(1, 1), 5);
    EXPECT_EQ(grids.communities.at(281, 196), 19);
    EXPECT_EQ(grids.catalonia.at(1, 1), 41);
    EXPECT_EQ(grids.catalonia.at(5, 10), 12);
    EXPECT_EQ(grids.madrid.at(1, 1), 28);
    EXPECT_EQ(grids.madrid.at(281, 220), 200);
    EXPECT_EQ(grids.communities.at(0, 1), 0);
    EXPECT_EQ(grids.communities.at(1, 197), 0);
    EXPECT_EQ(grids.catalonia.at(282, 1), 0);
}

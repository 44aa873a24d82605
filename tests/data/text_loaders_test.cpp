#include "data/text_loaders.h"

#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> numberedLines(int count, const std::string& prefix = "line ")
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

class TextLoaders : public ::testing::Test {
protected:
    FixtureFolder folder;
    RecordingMessages messages;
};

} // namespace

TEST_F(TextLoaders, StandardTableStoresPathAndFilledLines)
{
    folder.writeLines("cas/fp", {"Informática.", "", std::string(70, 'x'), "Ñandú"});
    TextTable table = standardTable();
    EXPECT_EQ(loaders::loadFilled(folder.context(), "cas/fp", table, 90), 4);
    EXPECT_EQ(table.count, 4);
    EXPECT_EQ(table[0], "cas/fp");
    EXPECT_EQ(table[1], "Inform\xE1tica." + std::string(48, ' '));
    EXPECT_EQ(table[2], std::string(60, ' ')); // 80 blanks for W 90, cut to the slot
    EXPECT_EQ(table[3], std::string(60, 'x'));
    EXPECT_EQ(table.text(4).trimmed(), QString::fromUtf8("Ñandú"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(TextLoaders, WideTableKeepsSeventyFiveCharacters)
{
    folder.writeLines("q", {std::string(80, 'q')});
    TextTable table = wideTable();
    loaders::loadFilled(folder.context(), "q", table, 75);
    EXPECT_EQ(table[1], std::string(75, 'q'));
}

TEST_F(TextLoaders, MissingFileIsReportedAndLeavesTheTable)
{
    folder.writeLines("cas/fp", {"a", "b"});
    TextTable table = standardTable();
    loaders::loadFilled(folder.context(), "cas/fp", table, 60);

    EXPECT_EQ(loaders::loadFilled(folder.context(), "cas/nada", table, 60), 2);
    EXPECT_EQ(loaders::loadRaw(folder.context(), "cas/nada", table), 2);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(table[0], "cas/fp");
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.first(), "Faltan ficheros (cas/nada). Vuelva a instalar el programa");
}

TEST_F(TextLoaders, ReloadFromShorterFileKeepsStaleSlotsPastTheCount)
{
    TextTable table = standardTable();
    folder.writeLines("arts", {"uno", "dos", "tres"});
    loaders::loadFilled(folder.context(), "arts", table, 60);
    folder.writeLines("arts", {"cuatro"});
    EXPECT_EQ(loaders::loadFilled(folder.context(), "arts", table, 60), 1);
    EXPECT_EQ(text::trimRight(table[1]), "cuatro");
    EXPECT_EQ(text::trimRight(table[3]), "tres");
}

TEST_F(TextLoaders, LinesPastTheCapacityAreNotStored)
{
    folder.writeLines("big", numberedLines(1200));
    TextTable table = standardTable();
    EXPECT_EQ(loaders::loadFilled(folder.context(), "big", table, 60), 1100);
    EXPECT_EQ(text::trimRight(table[1100]), "line 1100");

    TextTable longOne = longTable();
    EXPECT_EQ(loaders::loadRaw(folder.context(), "big", longOne), 250);
}

TEST_F(TextLoaders, EveryLineEndEndsALine)
{
    folder.writeBytes("ends", "a\r\nb\nc\rd\r\n\r\ne");
    TextTable table = standardTable();
    EXPECT_EQ(loaders::loadRaw(folder.context(), "ends", table), 6);
    EXPECT_EQ(table[3], "c");
    EXPECT_EQ(table[4], "d");
    EXPECT_EQ(table[5], "");
    EXPECT_EQ(table[6], "e");
}

TEST_F(TextLoaders, RawTableKeepsLinesUnfilled)
{
    folder.writeLines("activida", {"", std::string(65, 'a'), "Sanidad"});
    TextTable table = standardTable();
    EXPECT_EQ(loaders::loadRaw(folder.context(), "activida", table), 3);
    EXPECT_EQ(table[1], "");
    EXPECT_EQ(table[2], std::string(60, 'a'));
    EXPECT_EQ(table[3], "Sanidad");
}

TEST_F(TextLoaders, CutTableCutsWithoutFilling)
{
    folder.writeLines("materiasp", {"Biología", std::string(75, 'm'), ""});
    TextTable table = subjectTable();
    EXPECT_EQ(loaders::loadCut(folder.context(), "materiasp", table, 70), 3);
    EXPECT_EQ(table[1], "Biolog\xED" "a");
    EXPECT_EQ(table[2], std::string(70, 'm'));
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[0], "materiasp");
}

TEST_F(TextLoaders, FamilyMarkersListNamesAndLineNumbers)
{
    folder.writeLines("fp", {"-Sanidad", "Cuidados", "Farmacia", " -no", "-Informática", "Redes"});
    TextTable names = standardTable();
    std::vector<int> lines{99};
    EXPECT_EQ(loaders::loadFamilyMarkers(folder.context(), "fp", names, lines, 60), 2);
    EXPECT_EQ(lines, (std::vector<int>{1, 5}));
    EXPECT_EQ(names[1], "Sanidad" + std::string(53, ' '));
    EXPECT_EQ(text::trimRight(names[2]), "Inform\xE1tica");
    EXPECT_EQ(names[0], "");
}

TEST_F(TextLoaders, TwentySixLineBlocksSkipTheirHeadings)
{
    folder.writeLines("asignafp", numberedLines(4420));
    BlockTable table = blockTable26();
    loaders::loadBlocks(folder.context(), "asignafp", table);
    EXPECT_EQ(table.groupCount, 170);
    EXPECT_EQ(text::trimRight(table.line(1, 1)), "line 2");
    EXPECT_EQ(text::trimRight(table.line(1, 25)), "line 26");
    EXPECT_EQ(text::trimRight(table.line(2, 1)), "line 28");
    EXPECT_EQ(text::trimRight(table.line(170, 25)), "line 4420");
    EXPECT_EQ(table.line(1, 1).size(), 60u);
}

TEST_F(TextLoaders, BlockFilesPastTheCapacityStopAtTheLastGroup)
{
    folder.writeLines("many", numberedLines(26 * 180));
    BlockTable table = blockTable26();
    loaders::loadBlocks(folder.context(), "many", table);
    EXPECT_EQ(table.groupCount, 170);
    EXPECT_EQ(text::trimRight(table.line(170, 25)), "line 4420");
}

TEST_F(TextLoaders, FiftyOneLineBlocksMayEndIncomplete)
{
    folder.writeLines("asignaot", numberedLines(51 + 10));
    BlockTable table = blockTable51();
    loaders::loadBlocks(folder.context(), "asignaot", table);
    EXPECT_EQ(table.groupCount, 2);
    EXPECT_EQ(text::trimRight(table.line(1, 50)), "line 51");
    EXPECT_EQ(text::trimRight(table.line(2, 9)), "line 61");
    EXPECT_EQ(table.line(2, 10), "");
}

TEST_F(TextLoaders, LongLineTablesAreZeroBasedWithoutPath)
{
    folder.writeLines("cas/informa_l", {"18Primera", "", "Tercera"});
    TextTable table = longLineTable();
    EXPECT_EQ(loaders::loadLongLines(folder.context(), "cas/informa_l", table, 60), 3);
    EXPECT_EQ(table[0], "18Primera" + std::string(51, ' '));
    EXPECT_EQ(table[1], std::string(59, ' '));
    EXPECT_EQ(text::trimRight(table[2]), "Tercera");

    folder.writeLines("cas/carrenue", numberedLines(250));
    TextTable alt = altNameTable();
    EXPECT_EQ(loaders::loadLongLines(folder.context(), "cas/carrenue", alt, 60), 200);
    EXPECT_EQ(alt[199].size(), 60u);
}

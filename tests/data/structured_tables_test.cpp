#include "data/structured_tables.h"

#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace {

class StructuredTables : public ::testing::Test {
protected:
    FixtureFolder folder;
    RecordingMessages messages;
};

std::string twoDigits(int n)
{
    return (n < 10 ? " " : "") + std::to_string(n);
}

} // namespace

TEST_F(StructuredTables, ComarcasAreStoredUnderTheirNumbersThenInFileOrder)
{
    std::vector<std::string> lines;
    for (int line = 1; line <= 41; ++line)
        lines.push_back("C" + std::to_string(line % 10) + twoDigits(42 - line) + "Comarca número " + std::to_string(line));
    lines.push_back("BCBadalona");
    lines.push_back("BCBarcelona ciudad con un nombre muy largo");
    folder.writeLines("comarcas", lines);

    Comarcas table;
    EXPECT_EQ(loaders::loadComarcas(folder.context(), "comarcas", table, 20), 43);
    EXPECT_EQ(table.numberAtLine[1], 41);
    EXPECT_EQ(table.numberAtLine[41], 1);
    EXPECT_EQ(table.entries[41].code, "C1");
    EXPECT_EQ(table.entries[41].name, "Comarca n\xFAmero 1");
    EXPECT_EQ(table.entries[42].code, "BC");
    EXPECT_EQ(table.entries[42].name, "Badalona");
    EXPECT_EQ(table.entries[43].name, std::string("Barcelona ciudad con un nombre muy largo").substr(0, 30));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StructuredTables, ComarcaWithoutNumberStopsTheLoad)
{
    folder.writeLines("comarcas", {"AA 1Uno", "AA 2Dos", "AAxxTres", "AA 4Cuatro"});
    Comarcas table;
    table.count = 7;
    EXPECT_EQ(loaders::loadComarcas(folder.context(), "comarcas", table, 20), 7);
    EXPECT_EQ(table.count, 7);
    EXPECT_EQ(messages.shown, QStringList{"mal 3"});
    EXPECT_EQ(table.entries[4].name, "");
}

TEST_F(StructuredTables, MadridZonesListUpToThreeEntriesEach)
{
    folder.writeLines("comarcasm", {"M1 7Centro", "M2 7Retiro", "M3 7Salamanca", "M4 7Chamartín", "M525Vallecas",
                                    "M699Fuera"});
    MadridZones table;
    EXPECT_EQ(loaders::loadMadridZones(folder.context(), "comarcasm", table, 25), 6);
    EXPECT_EQ(table.zoneEntries[7], (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(table.zoneEntries[25], (std::array<int, 3>{5, 0, 0}));
    EXPECT_EQ(table.entries[4].name, "Chamart\xEDn");
    EXPECT_EQ(table.entries[5].code, "M5");
    EXPECT_EQ(table.entries[6].zone, 99);
}

TEST_F(StructuredTables, MadridZoneWithoutNumberReportsTheLinesRead)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 9; ++i)
        lines.push_back("MZ" + twoDigits(i) + "Zona");
    lines.push_back("MZabMala");
    folder.writeLines("comarcasm", lines);
    MadridZones table;
    loaders::loadMadridZones(folder.context(), "comarcasm", table, 25);
    EXPECT_EQ(messages.shown, QStringList{"mal 9"});
    EXPECT_EQ(table.count, 0);
    for (const auto& zone : table.zoneEntries)
        EXPECT_EQ(zone, (std::array<int, 3>{}));
}

TEST_F(StructuredTables, PlacesKeepRegionNameAndFullAddress)
{
    const std::string longAddress = "www.universidad.example.es/estudios/grados/oferta-academica/curso-2016-2017/index.html";
    auto name = [](std::string text) { return text.append(35 - text.size(), ' '); };
    folder.writeLines("lugar", {" 1" + name("Universidad de Sevilla") + "www.us.es   ",
                                "13" + name("Universidad Complutense de Madrid") + longAddress, "xxSin región"});
    Places table;
    EXPECT_EQ(loaders::loadPlaces(folder.context(), "lugar", table), 3);
    EXPECT_EQ(table.names[0], "lugar");
    EXPECT_EQ(table.regions[1], 1);
    EXPECT_EQ(text::trimRight(table.names[1]), "Universidad de Sevilla");
    EXPECT_EQ(table.addresses[1], "www.us.es");
    EXPECT_EQ(table.regions[2], 13);
    EXPECT_EQ(table.addresses[2], longAddress);
    EXPECT_EQ(table.regions[3], 0);
    EXPECT_EQ(table.addresses[3], "");
}

TEST_F(StructuredTables, RegionalLinksAreZeroBased)
{
    folder.writeLines("comuint", {"Andalucía     www.juntadeandalucia.es  ", "Aragón        www.aragon.es"});
    RegionalLinks table;
    EXPECT_EQ(loaders::loadRegionalLinks(folder.context(), "comuint", table), 2);
    EXPECT_EQ(table.addresses[0], "www.juntadeandalucia.es");
    EXPECT_EQ(table.addresses[1], "www.aragon.es");
}

TEST_F(StructuredTables, ProfessionsSplitIntoCodesAndName)
{
    folder.writeLines("profesio", {"AGRO MEDI Agricultor/a                            1  2  ", "SALU", ""});
    Professions table;
    EXPECT_EQ(loaders::loadProfessions(folder.context(), "profesio", table), 3);
    EXPECT_EQ(table.entries[1].code1, "AGRO");
    EXPECT_EQ(table.entries[1].code2, "MEDI");
    EXPECT_EQ(table.entries[1].name, "Agricultor/a" + std::string(28, ' '));
    EXPECT_EQ(table.entries[2].code1, "SALU");
    EXPECT_EQ(table.entries[2].code2, "    ");
    EXPECT_EQ(table.entries[3].code1, "    ");
    EXPECT_FALSE(folder.aborted);
}

TEST_F(StructuredTables, LoadersOfSpecialFilesReportAMissingFile)
{
    Comarcas comarcas;
    MadridZones zones;
    Places places;
    RegionalLinks links;
    Professions professions;
    loaders::loadProfessions(folder.context(), "profesio", professions);
    loaders::loadComarcas(folder.context(), "comarcas", comarcas, 20);
    loaders::loadMadridZones(folder.context(), "comarcasm", zones, 25);
    loaders::loadPlaces(folder.context(), "lugar", places);
    loaders::loadRegionalLinks(folder.context(), "comuint", links);
    EXPECT_EQ(messages.shown.size(), 5);
    EXPECT_TRUE(folder.aborted);
}

TEST_F(StructuredTables, DoubleDegreesTranslateCodesIntoDegreeNumbers)
{
    IntRecords degrees(350, 14);
    std::vector<int32_t> values(350 * 14);
    values[0 * 14 + 9] = 120; // degree 1 has code 120
    values[1 * 14 + 9] = 305; // degree 2 has code 305
    values[2 * 14 + 9] = 120; // degree 3 repeats code 120
    values[5 * 14 + 9] = 77;  // degree 6 is past the degree count
    folder.writeIntegers("datgrados", values);
    ASSERT_TRUE(loaders::loadRecords(folder.context(), "datgrados", degrees));

    folder.writeLines("dobles", {
                                    " 1Universidad de Almería",
                                    "    120305 8,5",
                                    "    305 77    ",
                                    "",
                                    "00Ignorada",
                                    "    12x120 6,0",
                                    "13Universidad Autónoma de Madrid",
                                    "    305120",
                                });
    DoubleDegrees table;
    EXPECT_EQ(loaders::loadDoubleDegrees(folder.context(), "dobles", table, degrees, 4), 2);
    EXPECT_EQ(table.path, "dobles");
    const auto& first = table.universities[1];
    EXPECT_EQ(first.region, 1);
    EXPECT_EQ(first.name, "Universidad de Almer\xED" "a");
    ASSERT_EQ(first.count, 3);
    EXPECT_EQ(first.entries[1].firstDegree, 1);
    EXPECT_EQ(first.entries[1].secondDegree, 2);
    EXPECT_EQ(first.entries[1].mark, " 8,5");
    EXPECT_EQ(first.entries[2].secondDegree, 0);
    EXPECT_EQ(first.entries[2].mark, " -  ");
    EXPECT_EQ(first.entries[3].firstDegree, 0);
    EXPECT_EQ(first.entries[3].secondDegree, 1);
    EXPECT_EQ(messages.shown, QStringList{"ERROR en fichero de dobles"});
    EXPECT_EQ(table.universities[2].region, 13);
    EXPECT_EQ(table.universities[2].entries[1].mark, " -  ");
}

TEST_F(StructuredTables, DoubleDegreesBeyondTheCapacitiesAreDropped)
{
    IntRecords degrees(350, 14);
    std::vector<std::string> lines;
    for (int u = 1; u <= 205; ++u) {
        lines.push_back(" 1Universidad " + std::to_string(u));
        for (int e = 0; e < 55; ++e)
            lines.push_back("      1  2 5,0");
    }
    folder.writeLines("dobles", lines);
    DoubleDegrees table;
    EXPECT_EQ(loaders::loadDoubleDegrees(folder.context(), "dobles", table, degrees, 350), 200);
    EXPECT_EQ(table.universities[200].count, 50);
}

#include "university/where_to_study.h"

#include "data/data_store.h"
#include "support/fixture_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// A small store built in memory: places, degrees with their place lists and
// alternative names, double-degree blocks and the interface texts they use.
class WhereToStudy : public ::testing::Test {
protected:
    struct Taught {
        int place;
        int mark;
        int altName = 0;
    };

    void SetUp() override
    {
        DataStore::reset();
        std::vector<std::string> texts(600, "x");
        texts[242 - 1] = "Dobles grados";
        texts[593 - 1] = "Se imparte en";
        for (int branch = 1; branch <= 5; ++branch)
            texts[static_cast<size_t>(513 + branch)] = "Rama " + std::to_string(branch);
        folder.writeLines("textos", texts);
        ASSERT_TRUE(store().uiText.load(folder.context(), "textos"));
        for (int community = 1; community <= 19; ++community)
            store().comunida.set(community, text::fill("01Comunidad " + std::to_string(community), 55));
        store().comunida.count = 19;
        // carrenue line 2 (slot 1) is the name given by the value 2
        store().carrenue.set(1, text::fill("Nombre alternativo", 60));
        store().carrenue.count = 2;
    }

    static DataStore& store() { return DataStore::instance(); }

    int addPlace(int community, const std::string& name)
    {
        const int place = ++store().lugar.count;
        store().lugar.names.set(place, text::fill(name, 35));
        store().lugar.regions[static_cast<size_t>(place)] = community;
        return place;
    }

    int addDegree(const std::string& name, int branch, const std::vector<Taught>& places)
    {
        const int degree = ++store().carreran.count;
        store().carreran.set(degree, text::fill(name, 60));
        branches[degree] = branch;
        taught[degree] = places;
        return degree;
    }

    // Writes the degree records and place lists into the store's record areas.
    void commit()
    {
        std::vector<int32_t> records(350 * 14);
        for (const auto& [degree, branch] : branches)
            records[static_cast<size_t>((degree - 1) * 14)] = branch;
        store().datgrados.assign(integerBytes(records).constData());
        QByteArray places(2 * 350 * 101, '\0');
        QByteArray altNames(2 * 350 * 101, '\0');
        for (const auto& [degree, list] : taught) {
            const auto at = [degree](int block) { return ((block - 1) * 350 + degree - 1) * 101; };
            places[at(1)] = places[at(2)] = altNames[at(2)] = static_cast<char>(list.size());
            for (size_t k = 0; k < list.size(); ++k) {
                places[at(1) + 1 + static_cast<int>(k)] = static_cast<char>(list[k].place);
                places[at(2) + 1 + static_cast<int>(k)] = static_cast<char>(list[k].mark);
                altNames[at(2) + 1 + static_cast<int>(k)] = static_cast<char>(list[k].altName);
            }
        }
        store().datcarn.assign(places.constData());
        store().datcarnue.assign(altNames.constData());
    }

    void addDoubles(int place, std::vector<DoubleDegrees::Entry> pairs)
    {
        auto& block = store().dobles.universities[static_cast<size_t>(place)];
        block.region = store().lugar.regions[static_cast<size_t>(place)];
        block.name = "UNIVERSIDAD " + std::to_string(place);
        block.count = static_cast<int>(pairs.size());
        for (size_t i = 0; i < pairs.size(); ++i)
            block.entries[i + 1] = pairs[i];
        store().dobles.count = std::max(store().dobles.count, place);
    }

    static QByteArray padded(const std::string& text, int width)
    {
        return QByteArray::fromStdString(text).leftJustified(width, ' ', true);
    }

    static QList<QByteArray> texts(const QList<PlaceDegreeLine>& lines)
    {
        QList<QByteArray> result;
        for (const auto& line : lines)
            result.append(line.text);
        return result;
    }

    FixtureFolder folder;
    std::map<int, int> branches;
    std::map<int, std::vector<Taught>> taught;
};

const QByteArray kTitleLine = "-                 Se imparte en";

TEST(MarkText, WritesTenthsWithACommaAndNoMarkAsAHyphen)
{
    const std::vector<std::pair<int, QByteArray>> cases = {
        {55, " 5,5"}, {100, "10,0"}, {125, "12,5"}, {10, "  - "}, {50, " 5,0"}, {5, " 0,5"}};
    for (const auto& [tenths, expected] : cases)
        EXPECT_EQ(markText(tenths), expected) << tenths;
}

TEST_F(WhereToStudy, DegreeTaughtNowhereListsOnlyTheTitleLines)
{
    addPlace(1, "Universidad A");
    const int degree = addDegree("Grado sin lugares", 1, {});
    commit();

    const WhereToStudyList list = composeWhereToStudy(store(), degree);

    EXPECT_EQ(list.lines, (QList<QByteArray>{kTitleLine, "Not."}));
    for (int community = 1; community <= 19; ++community)
        EXPECT_FALSE(list.marks.flags[static_cast<size_t>(community)]) << community;
}

TEST_F(WhereToStudy, GroupsPlacesUnderCommunitiesInCommunityOrderKeepingTheDegreesPlaceOrder)
{
    const int zeta = addPlace(3, "Zeta");
    const int sur = addPlace(1, "Sur");
    const int alfa = addPlace(3, "Alfa");
    const int ceuta = addPlace(18, "Ceuta");
    addPlace(2, "Ninguna");
    const int degree = addDegree("Grado", 1, {{zeta, 55}, {ceuta, 10}, {sur, 125}, {alfa, 100}});
    commit();

    const WhereToStudyList list = composeWhereToStudy(store(), degree);

    const auto header = [](int community) {
        return "- " + padded("Comunidad " + std::to_string(community), 53);
    };
    EXPECT_EQ(list.lines, (QList<QByteArray>{kTitleLine, "Not.", header(1), "<" + padded("Sur", 35) + "12,5",
                                             header(3), "<" + padded("Zeta", 35) + " 5,5",
                                             "<" + padded("Alfa", 35) + "10,0", header(18),
                                             "<" + padded("Ceuta", 35) + "  - "}));
    const std::map<int, int> firstRows = {{1, 2}, {3, 4}, {18, 7}};
    for (int community = 1; community <= 19; ++community) {
        const auto expected = firstRows.find(community);
        EXPECT_EQ(list.marks.flags[static_cast<size_t>(community)], expected != firstRows.end()) << community;
        if (expected != firstRows.end()) {
            EXPECT_EQ(list.marks.firstRow[static_cast<size_t>(community)], expected->second) << community;
        }
    }
}

TEST_F(WhereToStudy, CeutaAndMelillaListThePlacesOfAndalusia)
{
    const int sevilla = addPlace(1, "Sevilla");
    addPlace(2, "Zaragoza");
    const int granada = addPlace(1, "Granada");
    addPlace(18, "Ceuta");

    const std::vector<std::pair<int, QList<int>>> cases = {
        {1, {sevilla, granada}}, {18, {sevilla, granada}}, {19, {sevilla, granada}}, {2, {2}}, {5, {}}};
    for (const auto& [community, places] : cases)
        EXPECT_EQ(placesOfCommunity(store(), community), places) << community;
}

TEST_F(WhereToStudy, PlaceDegreesAreGroupedByBranchOnlyPastFifteenLines)
{
    const int place = addPlace(1, "Universidad");
    const int other = addPlace(1, "Otra");
    for (int i = 1; i <= 16; ++i)
        addDegree("Grado " + std::to_string(i), i % 2 ? 3 : 1, {{other, 50}, {place, 50 + i}});
    addDegree("Grado en otro sitio", 2, {{other, 60}});
    commit();

    const QList<PlaceDegreeLine> grouped = composePlaceDegrees(store(), place);
    ASSERT_EQ(grouped.size(), 18);
    EXPECT_EQ(grouped[0].text, "-   Rama 1     ");
    EXPECT_EQ(grouped[0].degree, 0);
    EXPECT_EQ(grouped[1].text, "<" + padded("Grado 2", 55) + " 5,2");
    EXPECT_EQ(grouped[1].degree, 2);
    EXPECT_EQ(grouped[9].text, "-   Rama 3     ");
    EXPECT_EQ(grouped[10].degree, 1);
    EXPECT_EQ(grouped[17].degree, 15);

    // Fifteen lines stay in degree order without headers.
    taught.erase(16);
    commit();
    const QList<PlaceDegreeLine> plain = composePlaceDegrees(store(), place);
    ASSERT_EQ(plain.size(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(plain[i].degree, i + 1);
}

TEST_F(WhereToStudy, PlaceDegreesUseTheAlternativeNameGivenAtThatPlace)
{
    const int place = addPlace(1, "Universidad");
    const int other = addPlace(1, "Otra");
    const int degree = addDegree("Grado oficial", 1, {{other, 50}, {place, 70, 2}});
    commit();

    EXPECT_EQ(texts(composePlaceDegrees(store(), place)),
              (QList<QByteArray>{"<" + padded("Nombre alternativo", 55) + " 7,0"}));
    EXPECT_EQ(texts(composePlaceDegrees(store(), other)),
              (QList<QByteArray>{"<" + padded("Grado oficial", 55) + " 5,0"}));
    EXPECT_EQ(composePlaceDegrees(store(), other)[0].degree, degree);
}

TEST_F(WhereToStudy, DoubleDegreesOfThePlaceFollowOnlyWhenItsBlockHasPairs)
{
    const int place = addPlace(1, "Universidad");
    const int other = addPlace(1, "Otra");
    const int law = addDegree("Derecho", 3, {{place, 80, 2}, {other, 60}});
    const int business = addDegree("ADE", 3, {{place, 90}, {other, 70}});
    commit();
    addDoubles(place, {{law, business, "11,2", false}});
    addDoubles(other, {});

    const QList<PlaceDegreeLine> lines = composePlaceDegrees(store(), place);
    EXPECT_EQ(texts(lines), (QList<QByteArray>{
                                "<" + padded("Nombre alternativo", 55) + " 8,0",
                                "<" + padded("ADE", 55) + " 9,0",
                                "",
                                "-                Dobles grados     ",
                                padded("Nombre alternativo", 55) + "11,2",
                                " + " + padded("ADE", 51) + "    ",
                                "                 -----     ",
                            }));
    for (qsizetype i = 2; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].degree, 0) << i;

    EXPECT_EQ(composePlaceDegrees(store(), other).size(), 2);
}

} // namespace

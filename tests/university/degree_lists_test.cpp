#include "university/degree_lists.h"

#include "data/data_store.h"
#include "support/fixture_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// Degree records: branch, title group, two advice groups and professions.
struct Degree {
    Degree(std::string name, int branch = 1, int titleGroup = 0, int advice = 0, int advice2 = 0,
           std::vector<int> professions = {}, std::vector<int> altNames = {})
        : name(std::move(name)), branch(branch), titleGroup(titleGroup), advice(advice), advice2(advice2),
          professions(std::move(professions)), altNames(std::move(altNames))
    {
    }
    std::string name;
    int branch;
    int titleGroup;
    int advice;
    int advice2;
    std::vector<int> professions;
    std::vector<int> altNames; // carrenue lines used at its places
};

class DegreeLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        std::vector<std::string> texts(600, "x");
        texts[538 - 1] = "Se imparte con otros nombres:";
        folder.writeLines("textos", texts);
        ASSERT_TRUE(store().uiText.load(folder.context(), "textos"));
    }

    static DataStore& store() { return DataStore::instance(); }

    static void setLines(TextTable& table, const std::vector<std::string>& lines, int width = 60)
    {
        for (size_t i = 0; i < lines.size(); ++i)
            table.set(static_cast<int>(i) + 1, text::fill(lines[i], width));
        table.count = static_cast<int>(lines.size());
    }

    void setDegrees(const std::vector<Degree>& degrees)
    {
        std::vector<int32_t> records(350 * 14);
        QByteArray places(2 * 350 * 101, '\0');
        QByteArray altNames(2 * 350 * 101, '\0');
        for (size_t i = 0; i < degrees.size(); ++i) {
            const Degree& d = degrees[i];
            store().carreran.set(static_cast<int>(i) + 1, text::fill(d.name, 60));
            int32_t* record = &records[i * 14];
            record[0] = d.branch;
            record[1] = d.titleGroup;
            record[2] = d.advice;
            record[3] = d.advice2;
            for (size_t p = 0; p < d.professions.size(); ++p)
                record[4 + p] = d.professions[p];
            const int at1 = static_cast<int>(i) * 101;
            const int at2 = (350 + static_cast<int>(i)) * 101;
            places[at1] = altNames[at2] = static_cast<char>(d.altNames.size());
            for (size_t k = 0; k < d.altNames.size(); ++k) {
                places[at1 + 1 + static_cast<int>(k)] = static_cast<char>(k + 1);
                altNames[at2 + 1 + static_cast<int>(k)] = static_cast<char>(d.altNames[k]);
            }
        }
        store().carreran.count = static_cast<int>(degrees.size());
        store().datgrados.assign(integerBytes(records).constData());
        store().datcarn.assign(places.constData());
        store().datcarnue.assign(altNames.constData());
        store().altNames = buildAltNameIndex(store().datcarnue, store().datcarn, store().carreran.count);
    }

    static std::vector<std::pair<std::string, int>> rows(const std::vector<degree_lists::GridRow>& grid)
    {
        std::vector<std::pair<std::string, int>> out;
        for (const auto& row : grid)
            out.emplace_back(std::string(text::trimRight(row.text)), row.header ? -1 : row.degree);
        return out;
    }

    static std::vector<std::string> names(const std::vector<degree_lists::TreeNode>& nodes)
    {
        std::vector<std::string> out;
        for (const auto& node : nodes) {
            out.emplace_back(text::trimRight(node.text));
            for (const auto& child : node.children)
                out.push_back("  " + std::string(text::trimRight(child.text)));
        }
        return out;
    }

    FixtureFolder folder;
};

} // namespace

TEST_F(DegreeLists, BranchesListUnderSimilarTitleHeadersOrWithoutHeaders)
{
    setLines(store().carreranb, {"Artes", "Ciencias exactas", "Vacio", "Derecho y empresa"});
    setDegrees({{"Bellas Artes", 1, 1},
                {"Matematicas", 2, 2},
                {"Derecho", 3, 4},
                {"Historia del Arte", 1, 1},
                {"Fisica", 2, 2},
                {"Medicina", 5, 2}});
    using Rows = std::vector<std::pair<std::string, int>>;
    const struct {
        int branch;
        Rows expected;
    } cases[] = {
        {1, {{"Artes", -1}, {"Bellas Artes", 1}, {"Historia del Arte", 4}}},
        {2, {{"Matematicas", 2}, {"Fisica", 5}}},
        {3, {{"Derecho y empresa", -1}, {"Derecho", 3}}},
        {4, {}},
        {5, {{"Medicina", 6}}},
        {degree_lists::kAllDegrees,
         {{"Artes", -1},
          {"Bellas Artes", 1},
          {"Historia del Arte", 4},
          {"Ciencias exactas", -1},
          {"Matematicas", 2},
          {"Fisica", 5},
          {"Medicina", 6},
          {"Derecho y empresa", -1},
          {"Derecho", 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(degree_lists::branchRows(store(), c.branch)), c.expected) << "branch " << c.branch;
}

TEST_F(DegreeLists, AlternativeNamesGiveAMarkAndAHint)
{
    store().carrenue.set(0, "");
    store().carrenue.set(1, text::fill("Grado en Arte", 60));
    store().carrenue.set(2, text::fill("Grado en Artes Visuales", 60));
    store().carrenue.count = 3;
    setLines(store().carreranb, {"Artes"});
    setDegrees({{"Bellas Artes", 1, 1, 0, 0, {}, {2, 0, 3, 2}}, {"Historia del Arte", 1, 1}});

    const auto grid = degree_lists::branchRows(store(), 1);
    ASSERT_EQ(grid.size(), 3u);
    EXPECT_EQ(grid[1].mark, "+");
    EXPECT_EQ(grid[2].mark, "");
    EXPECT_EQ(degree_lists::altNameHint(store(), 1),
              "    Se imparte con otros nombres:\n-Grado en Arte\n-Grado en Artes Visuales\n");
    EXPECT_EQ(degree_lists::altNameHint(store(), 2), "");
    EXPECT_EQ(degree_lists::altNameHint(store(), 0), "");
}

TEST_F(DegreeLists, SimilarTitlesGroupEveryMemberUnderItsFirstAppearance)
{
    setLines(store().carreranb, {"Artes", "Ciencias"});
    setDegrees({{"Fisica", 2, 2}, {"Sin grupo", 2, 0}, {"Bellas Artes", 1, 1}, {"Quimica", 2, 2}});
    EXPECT_EQ(names(degree_lists::similarTitlesTree(store())),
              (std::vector<std::string>{"Ciencias (2)", "  Fisica", "  Quimica", "Sin grupo", "Artes (1)",
                                        "  Bellas Artes"}));
}

TEST_F(DegreeLists, StudyAdviceListsGroupTwelveUnderElevenAndBothGroupsOfADegree)
{
    std::vector<std::string> advice;
    for (int j = 1; j <= 12; ++j)
        advice.push_back("Grupo " + std::to_string(j));
    advice.push_back("Itinerario de la ESO");
    setLines(store().itinerar, advice);
    setDegrees({{"Ingenieria civil", 4, 0, 12},
                {"Arquitectura", 4, 0, 11, 3},
                {"Biologia", 2, 0, 3, 3},
                {"Teleco", 4, 0, 12, 11}});

    const auto tree = degree_lists::studyAdviceTree(store());
    ASSERT_EQ(tree.size(), 11u);
    auto children = [&](int group) {
        std::vector<int> degrees;
        for (const auto& child : tree[static_cast<size_t>(group - 1)].children)
            degrees.push_back(child.degree);
        return degrees;
    };
    EXPECT_EQ(children(11), (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(children(3), (std::vector<int>{3, 2}));
    EXPECT_TRUE(children(1).empty());
    EXPECT_EQ(text::trimRight(tree[10].text), "Grupo 11");
}

TEST_F(DegreeLists, ActivitiesListDegreesOncePerMatchingActivityButNever23Or24)
{
    std::vector<std::string> activities;
    for (int j = 1; j <= 25; ++j)
        activities.push_back("A" + std::string(j < 10 ? "00" : "0") + std::to_string(j) + " Actividad " +
                             std::to_string(j));
    activities[22] = "SALU Actividad 23";
    store().activida.count = 0;
    for (size_t i = 0; i < activities.size(); ++i)
        store().activida.set(static_cast<int>(i) + 1, activities[i]);
    store().activida.count = static_cast<int>(activities.size());
    auto profession = [](const char* code1, const char* code2) { return Professions::Entry{code1, code2, "P"}; };
    store().profesio.entries[1] = profession("A001", "A002");
    store().profesio.entries[2] = profession("A002", "    ");
    store().profesio.entries[3] = profession("SALU", "A025");
    store().profesio.count = 3;
    setDegrees({{"Agronomia", 4, 0, 0, 0, {1, 2}}, {"Medicina", 5, 0, 0, 0, {3}}, {"Derecho", 3}});

    EXPECT_EQ(names(degree_lists::activitiesTree(store())),
              (std::vector<std::string>{"Actividad 1", "  Agronomia", "Actividad 2", "  Agronomia", "Actividad 25",
                                        "  Medicina"}));
}

TEST_F(DegreeLists, UngroupedListSortsByTheFirstTenBytesOnlyWhenAsked)
{
    setDegrees({{"Zoologia"}, {"\xC1lgebra"}, {"Economia y Finanzas"}, {"Economia y Empresa"}, {"Arte"}});
    auto order = [](const std::vector<degree_lists::TreeNode>& nodes) {
        std::vector<int> degrees;
        for (const auto& node : nodes)
            degrees.push_back(node.degree);
        return degrees;
    };
    EXPECT_EQ(order(degree_lists::ungroupedTree(store(), false)), (std::vector<int>{1, 2, 3, 4, 5}));
    // "Economia y" ties: file order kept; the accented capital sorts after "Z".
    EXPECT_EQ(order(degree_lists::ungroupedTree(store(), true)), (std::vector<int>{5, 3, 4, 1, 2}));
}

#include "questionnaires/eso_report.h"

#include "platform/cp1252.h"
#include "questionnaires/eso_fixture.h"

#include <gtest/gtest.h>

using namespace eso;

namespace {

std::string w(const char* utf8)
{
    return cp1252::encode(QString::fromUtf8(utf8));
}

std::string itinerar(const DataStore& store, int line)
{
    return store.itinerar[line];
}

// Scores where the career groups rank as listed and the habit groups score as given.
EsoScores scores(std::initializer_list<std::pair<int, double>> groups, double overall = 7.0)
{
    EsoScores result;
    result.overall = overall;
    for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g)
        result.group[static_cast<size_t>(g)] = 8.0;
    for (const auto& [group, score] : groups)
        result.group[static_cast<size_t>(group)] = score;
    return result;
}

} // namespace

TEST(EsoReport, LinesInTheirPlaces)
{
    EsoFixture fixture;
    const DataStore& store = fixture.store;
    EsoScores s = scores({{4, 9.0}, {2, 8.25}, {7, 7.0}}, 7.25);
    s.liking[1] = 6.0;
    const EsoReport report = composeReport(store, s);
    const std::vector<std::string>& l = report.lines;
    ASSERT_EQ(l.size(), 37u);
    EXPECT_EQ(l[0], "       " + itinerar(store, 21).substr(0, 35));
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "Texto 124");
    EXPECT_EQ(l[3], "Texto 142");
    EXPECT_EQ(l[4], "Texto 143");
    EXPECT_EQ(l[5], "Texto 152  7.2") << "7.25 rounds to the even neighbour";
    EXPECT_EQ(l[6], std::string(56, '_'));
    EXPECT_EQ(l[8], "Texto 153");
    EXPECT_EQ(l[9], "      CIENCIAS" + std::string(27, ' '));
    EXPECT_EQ(l[10], (w("      o también CIENCIAS o CIENCIAS DE LA SALUD") + std::string(15, ' ')).substr(0, 60));
    EXPECT_EQ(l[13], ("        " + itinerar(store, 30)).substr(0, 60));
    EXPECT_EQ(l[14], "Itinerario 33" + std::string(9, ' ') + "Itinerario 32");
    EXPECT_EQ(l[15], "  Texto 240");
    EXPECT_EQ(l[16], "Grupo 4" + std::string(38, ' ') + " 9.0");
    EXPECT_EQ(l[17], "Grupo 2" + std::string(38, ' ') + " 8.2");
    EXPECT_EQ(l[18].substr(0, 7), "Grupo 7");
    EXPECT_EQ(l[19].substr(0, 8), "Grupo 1 ");
    EXPECT_EQ(l[20].substr(0, 8), "Grupo 3 ");
    EXPECT_EQ(l[21].substr(0, 8), "Grupo 5 ");
    EXPECT_EQ(l[23], "  Texto 394");
    EXPECT_EQ(l[24].substr(0, 8), "Grupo 1 ");
    EXPECT_EQ(l[25].substr(0, 8), "Grupo 2 ");
    EXPECT_EQ(l[28], itinerar(store, 34));
    EXPECT_EQ(l[30], itinerar(store, 48));
    EXPECT_EQ(l[31], itinerar(store, 49));
    EXPECT_EQ(l[32], "");
    EXPECT_EQ(l[33], itinerar(store, 50));
    EXPECT_EQ(l[36], itinerar(store, 52));
    for (const std::string& line : l)
        EXPECT_LE(line.size(), 60u);
    EXPECT_EQ(likedIconGroup(report), 1);
}

TEST(EsoReport, LowScoreAndHabitAdvice)
{
    EsoFixture fixture;
    struct Case {
        std::vector<int> weakGroups;
        std::vector<int> adviceLines;
    };
    const Case cases[] = {
        {{}, {48, 49}},
        {{14, 15}, {35, 36, 37, 38, 39}},
        {{19}, {46, 47}},
        {{14, 15, 16, 17, 18, 19}, {35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47}},
    };
    for (const Case& c : cases) {
        EsoScores s = scores({{1, 5.0}}, 4.96);
        for (int g : c.weakGroups)
            s.group[static_cast<size_t>(g)] = 5.9;
        const EsoReport report = composeReport(fixture.store, s);
        ASSERT_EQ(report.lines.size(), 35 + c.adviceLines.size());
        EXPECT_EQ(report.lines[3], "Texto 142") << "4.96 is shown as 5.0";
        for (size_t i = 0; i < c.adviceLines.size(); ++i)
            EXPECT_EQ(report.lines[30 + i], itinerar(fixture.store, c.adviceLines[i]));
        EXPECT_EQ(report.lines[10], "      ") << "best group 1 has no second modality";
        EXPECT_EQ(likedIconGroup(report), 1);
    }
    const EsoReport low = composeReport(fixture.store, scores({}, 4.94));
    EXPECT_EQ(low.lines[3], "Texto 146");
    EXPECT_EQ(low.lines[4], "Texto 147");
}

TEST(EsoVerdictList, ThirteenLines)
{
    EsoFixture fixture;
    const std::vector<std::string> pass = verdictLines(fixture.store, shortVerdict(5.5, true, true));
    ASSERT_EQ(pass.size(), 13u);
    EXPECT_EQ(pass[0], "       " + itinerar(fixture.store, 21).substr(0, 35));
    EXPECT_EQ(pass[2], "Texto 124");
    EXPECT_EQ(pass[3], "Texto 144");
    EXPECT_EQ(pass[4], "Texto 145");
    EXPECT_EQ(pass[5], "");
    EXPECT_EQ(pass[11], "   Texto 125");
    EXPECT_EQ(pass[12], "Texto 201");

    const std::vector<std::string> review = verdictLines(fixture.store, shortVerdict(4.5, false, true));
    EXPECT_EQ(review[6], "Texto 149");
    EXPECT_EQ(review[11], "");
    EXPECT_EQ(review[12], "");
}

TEST(EsoCareers, PanelSectionsByGroup)
{
    EsoFixture fixture;
    DataStore& store = fixture.store;
    for (int n = 1; n <= 3; ++n) {
        store.fp.set(n, text::fill("Titulo superior " + std::to_string(n), 60));
        store.carreran.set(n, text::fill("Grado " + std::to_string(n), 60));
    }
    store.fp.count = store.carreran.count = 3;
    // Title 1 names group 13 twice, title 3 once; degree 2 names group 12, degree 3 group 11.
    std::vector<int32_t> titles(200 * 25, 0);
    titles[0] = 13;
    titles[3] = 13;
    titles[2 * 25 + 1] = 13;
    titles[1 * 25 + 4] = 13; // field 5 does not count
    std::vector<int32_t> degrees(350 * 14, 0);
    degrees[1 * 14 + 2] = 12;
    degrees[2 * 14 + 3] = 11;
    degrees[0 * 14 + 1] = 11; // field 2 does not count
    store.datfps.assign(integerBytes(titles).constData());
    store.datgrados.assign(integerBytes(degrees).constData());

    const std::string fpHeading = "- Texto 80";
    const std::string degreeHeading = "- Texto 84 Texto 46";
    EXPECT_EQ(careerLines(store, 13), (std::vector<std::string>{"   " + itinerar(store, 13), "", fpHeading,
                                                                 store.fp[1], store.fp[1], store.fp[3]}));
    EXPECT_EQ(careerLines(store, 12),
              (std::vector<std::string>{"   " + itinerar(store, 12), "", degreeHeading, store.carreran[2]}));
    EXPECT_EQ(careerLines(store, 11),
              (std::vector<std::string>{"   " + itinerar(store, 11), "", degreeHeading, store.carreran[3],
                                        "Texto 386", "", "Texto 387", "Texto 388", "Texto 389"}));
    EXPECT_EQ(careerLines(store, 2),
              (std::vector<std::string>{"   " + itinerar(store, 2), "", fpHeading, "", degreeHeading}));
}

TEST(EsoPrintouts, ReportAndCareersBuffers)
{
    EsoFixture fixture;
    DataStore& store = fixture.store;
    const std::string name = pupilNameWithCourse(w("Lucía Pérez"));
    EXPECT_EQ(name, w("Lucía Pérez  -  4º de ESO"));
    EXPECT_EQ(pupilNameWithCourse(std::string(50, 'a')), std::string(45, 'a'));

    const std::vector<std::string> report = composeReport(store, scores({{2, 9.0}})).lines;
    const int n = fillPrintedReport(store, name, report);
    EXPECT_EQ(n, static_cast<int>(report.size()) + 1);
    EXPECT_EQ(store.reportBuffer[0], name);
    EXPECT_EQ(store.reportBuffer[1], "");
    EXPECT_EQ(store.reportBuffer[2], report[0]);
    EXPECT_EQ(store.reportBuffer[n], report.back());
    for (int line = 1; line <= n; ++line)
        EXPECT_EQ(store.reportBoldLines.contains(line), line == 2 || line == 11 || line == 15 || line == 30) << line;

    const int titles = fillCareersPrintout(store, {"   Grupo 12", "", "- Carreras", "Grado 2"});
    EXPECT_EQ(titles, 4);
    EXPECT_EQ(store.reportBuffer[0], "   Grupo 12");
    EXPECT_EQ(store.reportBuffer[1], std::string(13, ' ') + "Texto 190");
    EXPECT_EQ(store.reportBuffer[2], "");
    EXPECT_EQ(store.reportBuffer[4], "Grado 2");
    EXPECT_EQ(store.reportBoldLines.count(), 0) << "no bold lines, even after a report";
}

TEST(EsoSavedReport, NameEmptyLineThenReportWithCrLf)
{
    const std::string bytes = savedReport("Ana  -  4\xBA de ESO", {"       Titulo   ", "", "Linea"});
    EXPECT_EQ(bytes, "Ana  -  4\xBA de ESO\r\n\r\n       Titulo   \r\n\r\nLinea\r\n");
}

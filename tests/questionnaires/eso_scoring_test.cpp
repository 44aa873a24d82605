#include "questionnaires/eso_scoring.h"

#include "platform/cp1252.h"
#include "questionnaires/eso_fixture.h"

#include <gtest/gtest.h>

using namespace eso;

namespace {

GroupScores scoresWith(std::initializer_list<std::pair<int, double>> values)
{
    GroupScores scores{};
    for (const auto& [group, score] : values)
        scores[static_cast<size_t>(group)] = score;
    return scores;
}

// Windows-1252 bytes of a UTF-8 literal.
std::string w(const char* utf8)
{
    return cp1252::encode(QString::fromUtf8(utf8));
}

std::vector<int> order(const std::vector<RankedGroup>& ranking)
{
    std::vector<int> groups;
    for (const RankedGroup& entry : ranking)
        groups.push_back(entry.group);
    return groups;
}

} // namespace

TEST(EsoPoints, FollowWeightClassAndAnswer)
{
    struct Case {
        int weightClass, answerType, answer, points;
    };
    const Case cases[] = {
        {2, 2, 2, 3},  {3, 2, 2, 5},  {4, 2, 2, 7},   {5, 2, 2, 10},  {8, 2, 2, 20},  {9, 2, 2, 30},
        {9, 2, 1, 0},  {2, 3, 2, 1},  {3, 4, 2, 1},   {4, 5, 2, 2},   {5, 3, 2, 4},   {8, 4, 2, 5},
        {9, 5, 2, 8},  {2, 3, 3, 2},  {3, 3, 3, 3},   {4, 4, 3, 5},   {5, 5, 3, 7},   {8, 3, 3, 10},
        {9, 4, 3, 16}, {2, 4, 4, 3},  {3, 5, 4, 5},   {4, 3, 4, 7},   {5, 4, 4, 10},  {8, 5, 4, 15},
        {9, 3, 4, 23}, {5, 5, 5, 0},  {8, 5, 5, 20},  {9, 5, 5, 30},  {0, 2, 2, 0},   {1, 3, 4, 0},
        {6, 4, 3, 0},  {7, 5, 5, 0},  {5, 7, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(points(c.weightClass, c.answerType, c.answer), c.points)
            << "class " << c.weightClass << " type " << c.answerType << " answer " << c.answer;

    const int maxima[] = {7, 7, 3, 5, 7, 10, 7, 7, 20, 30};
    for (int weightClass = 0; weightClass <= 9; ++weightClass)
        EXPECT_EQ(maximumPoints(weightClass), maxima[weightClass]) << "class " << weightClass;
}

TEST(EsoAnswering, EachTypeCyclesThroughItsOptions)
{
    struct Case {
        int answerType;
        std::vector<int> cycle;
    };
    const Case cases[] = {
        {2, {2, 1, 2}},
        {3, {2, 3, 4, 1, 2}},
        {4, {2, 3, 4, 1}},
        {5, {2, 3, 4, 5, 1}},
        {7, {1, 1}},
    };
    for (const Case& c : cases) {
        int answer = 1;
        for (int expected : c.cycle) {
            answer = nextAnswer(c.answerType, answer);
            EXPECT_EQ(answer, expected) << "type " << c.answerType;
        }
    }
}

TEST(EsoAnswering, QuestionLineGivesClassAndType)
{
    EXPECT_EQ(questionFrom("94Pregunta").weightClass, 9);
    EXPECT_EQ(questionFrom("94Pregunta").answerType, 4);
    EXPECT_EQ(questionFrom("x").weightClass, 0);
    EXPECT_EQ(questionFrom("").answerType, 0);
}

TEST(EsoShortVerdict, ChoosesLinesByTheShownScore)
{
    struct Case {
        double score;
        bool weak, review;
        std::vector<int> lines;
        int closing;
        bool arrow, reviewUsed, partTwo;
    };
    const Case cases[] = {
        {0.0, false, true, {150, 151}, 202, true, false, false},
        {6.2, true, true, {142, 143}, 201, true, false, true},
        {6.0, false, true, {144}, 201, true, false, true},
        {5.0, false, true, {144}, 201, true, false, true},
        {5.5, true, true, {144, 145}, 201, true, false, true},
        {4.4, false, true, {146, 147, 148, 149}, 0, false, true, false},
        {4.4, false, false, {150, 151}, 202, true, false, false},
        {4.3, false, true, {150, 151}, 202, true, false, false},
        // Shown as " 5.0" and " 6.0": judged as such.
        {4.99996, false, true, {144}, 201, true, false, true},
        {6.04, false, true, {144}, 201, true, false, true},
    };
    for (const Case& c : cases) {
        const ShortVerdict verdict = shortVerdict(c.score, c.weak, c.review);
        EXPECT_EQ(verdict.lines, c.lines) << c.score;
        EXPECT_EQ(verdict.closingLine, c.closing) << c.score;
        EXPECT_EQ(verdict.arrowLine, c.arrow) << c.score;
        EXPECT_EQ(verdict.reviewChanceUsed, c.reviewUsed) << c.score;
        EXPECT_EQ(verdict.partTwo, c.partTwo) << c.score;
    }
}

TEST(EsoScoreFormat, OneDecimalInFourCharacters)
{
    EXPECT_EQ(formatScore(7.5), " 7.5");
    EXPECT_EQ(formatScore(10.0), "10.0");
    EXPECT_EQ(formatScore(0.0), " 0.0");
    EXPECT_EQ(formatScore(5.99983), " 6.0");
    EXPECT_DOUBLE_EQ(shownScore(5.99983), 6.0);
}

TEST(EsoScoring, NoAnswersScoreZeroAndSendToVocationalTraining)
{
    EsoFixture fixture;
    fixture.setGroup(14, {1, 2});
    const EsoScores scores = scoreAnswers(fixture.store, EsoAnswers(112), 35);
    EXPECT_EQ(formatScore(scores.overall), " 0.0");
    EXPECT_TRUE(hasWeakHabit(scores));
    EXPECT_EQ(shortVerdict(scores.overall, true, true).closingLine, 202);
}

TEST(EsoScoring, OverallCountsTheFirstPartOnly)
{
    EsoFixture fixture;
    EsoAnswers answers(112);
    for (int q = 1; q <= 21; ++q)
        answers.set(q, 2);
    for (int q = 36; q <= 112; ++q)
        answers.set(q, 2);
    // 210 of 350 points (+ 0.01): shown as 6.0.
    const EsoScores scores = scoreAnswers(fixture.store, answers, 112);
    EXPECT_NEAR(scores.overall, 2100.0 / 350.01, 1e-9);
    EXPECT_EQ(shortVerdict(scores.overall, false, true).lines, std::vector<int>{144});
}

TEST(EsoScoring, GroupLikingAndFirstPartSums)
{
    EsoFixture fixture;
    fixture.setQuestion(40, 9, 4); // at most 30
    fixture.setGroup(3, {2, 40, 41});
    fixture.setGroup(5, {1, 2});
    fixture.setGroup(14, {2, 3});
    fixture.setGroup(20, {200}); // outside the questionnaire: ignored
    EsoAnswers answers(112);
    answers.set(2, 2);  // 10 of 10
    answers.set(40, 3); // 16 of 30
    const EsoScores full = scoreAnswers(fixture.store, answers, 112);
    EXPECT_NEAR(full.group[3], 10.0 * 26 / 50.05, 1e-9);
    EXPECT_NEAR(full.liking[3], 10.0 * 16 / 40.05, 1e-9);
    EXPECT_NEAR(full.firstPart[3], 10.0 * 10 / 10, 1e-9);
    EXPECT_DOUBLE_EQ(full.liking[5], 0.0) << "no members above 35";
    EXPECT_NEAR(full.firstPart[14], 5.0, 1e-9);
    EXPECT_DOUBLE_EQ(full.group[20], 0.0);
    EXPECT_DOUBLE_EQ(full.firstPart[20], 0.0) << "no members: no division by zero";

    const EsoScores shortRun = scoreAnswers(fixture.store, answers, 35);
    EXPECT_NEAR(shortRun.group[3], 10.0 * 10 / 50.05, 1e-9) << "questions not in use score nothing";
    EXPECT_TRUE(hasWeakHabit(shortRun));
}

TEST(EsoRanking, LargestFirstTiesKeepGroupOrder)
{
    EXPECT_EQ(order(rankGroups(GroupScores{})), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    const GroupScores scores = scoresWith({{3, 5.0}, {7, 8.0}, {9, 5.0}, {12, 8.0}, {1, 5.0}, {14, 9.9}});
    EXPECT_EQ(order(rankGroups(scores)), (std::vector<int>{7, 12, 1, 3, 9, 2, 4, 5, 6, 8, 10, 11, 13}));
}

TEST(EsoRanking, LineHoldsNameCutTo45AndScore)
{
    EsoFixture fixture;
    fixture.setItinerar(4, std::string(50, 'N'));
    EXPECT_EQ(rankedLine(fixture.store, {4, 7.46}), std::string(45, 'N') + " 7.5");
    EXPECT_EQ(rankedLine(fixture.store, {2, 10.0}), "Grupo 2" + std::string(38, ' ') + "10.0");
}

TEST(EsoModalities, SecondRecommendationCases)
{
    EsoFixture fixture;
    const std::string combined = "CIENCIAS o CIENCIAS DE LA SALUD" + std::string(15, ' ');
    EXPECT_EQ(modalityText(fixture.store, 1), combined);
    EXPECT_EQ(modalityText(fixture.store, 10), "CIENCIAS SOCIALES o HUMANIDADES" + std::string(24, ' '));

    struct Case {
        int best, liked;
        std::string second;
    };
    const Case cases[] = {
        {1, 4, ""},                        // the combined modality never gets a second
        {10, 2, ""},
        {4, 1, w("o también ") + combined},   // "CIENCIAS" and its blanks are not in the combined text
        {3, 1, ""},                        // "CIENCIAS DE LA SALUD" ends the combined text
        {2, 8, w("o también HUMANIDADES") + std::string(24, ' ')},
        {5, 6, ""},                        // the same modality
        {11, 12, ""},
    };
    for (const Case& c : cases) {
        EsoScores scores;
        scores.group = scoresWith({{c.best, 9.0}});
        scores.liking = scoresWith({{c.liked, 9.0}});
        const Recommendation advice = recommendModalities(fixture.store, scores);
        EXPECT_EQ(advice.bestGroup, c.best);
        EXPECT_EQ(advice.likedGroup, c.liked);
        EXPECT_EQ(advice.first, modalityText(fixture.store, c.best));
        EXPECT_EQ(advice.second, c.second)
            << "best " << c.best << " liked " << c.liked;
    }
}

TEST(EsoModalities, MostLikedIsTheHigherGroupSharingTheName)
{
    EsoFixture fixture;
    fixture.setItinerar(11, "Ingenierías y arquitectura (5-6 años)");
    fixture.setItinerar(12, "Ingenierías y arquitectura (4 años)");
    EXPECT_EQ(mostLikedGroup(fixture.store, {{11, 8.0}, {12, 7.0}}), 12);
    EXPECT_EQ(mostLikedGroup(fixture.store, {{12, 8.0}, {11, 7.0}}), 12);
    EXPECT_EQ(mostLikedGroup(fixture.store, {{3, 8.0}}), 3);
}

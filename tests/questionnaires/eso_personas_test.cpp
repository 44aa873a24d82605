#include "data/data_store.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "questionnaires/eso_scoring.h"
#include "support/recording_messages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

using namespace eso;

namespace {

// How strongly a pupil agrees: answer 1 is always "no"/"never"/"not at all".
enum Level { kNone = 0, kLittle = 1, kQuite = 2, kMost = 3 };

// A scripted pupil: marks (1 Insuficiente .. 5 Sobresaliente) and likings by
// question key; every other question of the first part is answered at the
// habits level, every other liking question "no".
struct Pupil {
    std::map<std::string, int> marks;
    Level habits = kNone;
    std::map<std::string, Level> likes;
};

enum Group {
    kAgro = 1, kArts, kHealth, kSciences, kCommunication, kEconomics, kManagementLaw, kHumanities, kLanguages,
    kSocialEducation, kArchitectureEngineering, kEngineering, kHigherFp
};

// Question numbers by key, in the order of the edition's questionnaire source.
std::map<std::string, int> questionNumbers()
{
    std::map<std::string, int> numbers;
    QFile file(QStringLiteral(TRAZELA_EDITION_SOURCES "/guidance/questions.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return numbers;
    int number = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        numbers[line.section(QLatin1Char('\t'), 0, 0).toStdString()] = ++number;
    }
    return numbers;
}

std::string trimmed(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The Castilian edition compiled in the build folder, as the ESO screen loads it.
class EsoPersonas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { keys = new std::map<std::string, int>(questionNumbers()); }
    static void TearDownTestSuite() { delete keys; }

    void SetUp() override
    {
        ASSERT_FALSE(keys->empty());
        DataStore::reset();
        const SettingsStore settings(config.filePath(QStringLiteral("trazela16_17.ini")));
        store().initialise({{}, QStringLiteral(TRAZELA_BUILD_FOLDER), QStringLiteral(TRAZELA_BUILD_FOLDER), &settings});
        screen_files::loadDegreeBrowserLanguageTables(store());
        screen_files::loadDegreeBrowserDataFiles(store());
        screen_files::loadEsoQuestionnaireTables(store());
        ASSERT_FALSE(store().run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        ASSERT_EQ(static_cast<int>(keys->size()), store().cuestion.count);
    }

    static DataStore& store() { return DataStore::instance(); }

    static int question(const std::string& key)
    {
        const auto found = keys->find(key);
        EXPECT_NE(found, keys->end()) << "no question " << key;
        return found == keys->end() ? 0 : found->second;
    }

    static int answerFor(int q, Level level)
    {
        const int type = questionFrom(store().cuestion[q]).answerType;
        if (type == 2)
            return level >= kQuite ? 2 : 1;
        return level + 1;
    }

    static EsoAnswers answersOf(const Pupil& pupil)
    {
        EsoAnswers answers(store().cuestion.count);
        for (int q = 1; q <= kFirstPartQuestions; ++q)
            answers.set(q, answerFor(q, pupil.habits));
        for (const auto& [key, mark] : pupil.marks)
            answers.set(question(key), mark);
        for (const auto& [key, level] : pupil.likes)
            answers.set(question(key), answerFor(question(key), level));
        return answers;
    }

    static std::vector<int> topGroups(const GroupScores& scores, size_t count)
    {
        std::vector<int> groups;
        for (const RankedGroup& entry : rankGroups(scores))
            if (groups.size() < count)
                groups.push_back(entry.group);
        return groups;
    }

    static inline std::map<std::string, int>* keys = nullptr;
    QTemporaryDir config;
    RecordingMessages messages;
};

TEST_F(EsoPersonas, ScienceStudentDrawnToHealthIsAdvisedHealthSciences)
{
    Pupil pupil;
    pupil.marks = {{"marks-language", 3}, {"marks-maths", 4},     {"marks-english", 4}, {"marks-science", 5},
                   {"marks-history", 3},  {"marks-arts", 2},      {"marks-technology", 3}, {"marks-average", 4}};
    pupil.habits = kQuite;
    pupil.likes = {{"human-body", kMost}, {"care-sick", kQuite}, {"blood", kMost},     {"medicines", kMost},
                   {"hospital", kMost},   {"healthy-life", kQuite}, {"lab", kMost},    {"biology", kMost},
                   {"chemistry", kQuite}, {"research", kQuite},  {"psychology", kLittle}, {"environment", kLittle}};
    const EsoAnswers answers = answersOf(pupil);

    const EsoScores first = scoreAnswers(store(), answers, kFirstPartQuestions);
    const ShortVerdict verdict = shortVerdict(shownScore(first.overall), hasWeakHabit(first), true);
    EXPECT_EQ(verdict.lines, (std::vector<int>{142, 143})) << first.overall;
    EXPECT_TRUE(verdict.partTwo);

    const EsoScores full = scoreAnswers(store(), answers, answers.count());
    EXPECT_FALSE(hasWeakHabit(full));
    EXPECT_EQ(topGroups(full.liking, 1), std::vector<int>{kHealth});
    const std::vector<int> top = topGroups(full.group, 2);
    EXPECT_EQ(std::set<int>(top.begin(), top.end()), (std::set<int>{kHealth, kSciences}));
    const Recommendation advice = recommendModalities(store(), full);
    EXPECT_EQ(advice.bestGroup, kHealth);
    EXPECT_EQ(trimmed(advice.first), "CIENCIAS DE LA SALUD");
}

TEST_F(EsoPersonas, PupilWhoDrawsAndDesignsIsAdvisedArts)
{
    Pupil pupil;
    pupil.marks = {{"marks-language", 3}, {"marks-maths", 2},  {"marks-english", 3}, {"marks-science", 2},
                   {"marks-history", 3},  {"marks-arts", 5},   {"marks-technology", 3}, {"marks-average", 3}};
    pupil.habits = kQuite;
    pupil.likes = {{"drawing", kMost},     {"design", kMost},   {"stage-screen", kQuite}, {"art-history", kQuite},
                   {"heritage", kLittle},  {"music", kLittle},  {"technical-drawing", kLittle},
                   {"buildings", kLittle}, {"advertising", kLittle}};
    const EsoScores full = scoreAnswers(store(), answersOf(pupil), store().cuestion.count);

    EXPECT_EQ(topGroups(full.group, 1), std::vector<int>{kArts});
    EXPECT_EQ(topGroups(full.liking, 1), std::vector<int>{kArts});
    const Recommendation advice = recommendModalities(store(), full);
    EXPECT_EQ(trimmed(advice.first), "ARTES");
    EXPECT_TRUE(advice.second.empty()) << advice.second;
}

TEST_F(EsoPersonas, PracticalPupilWithWeakHabitsIsSentToVocationalTraining)
{
    Pupil pupil;
    pupil.marks = {{"marks-language", 2}, {"marks-maths", 2}, {"marks-english", 1}, {"marks-science", 2},
                   {"marks-history", 1},  {"marks-arts", 3},  {"marks-technology", 4}, {"marks-average", 2}};
    pupil.habits = kLittle;
    pupil.likes = {{"hands-on", kMost},   {"work-soon", kMost}, {"repair", kMost},   {"placements", kMost},
                   {"installations", kMost}, {"devices", kQuite}, {"energy", kLittle}, {"countryside", kLittle}};
    const EsoAnswers answers = answersOf(pupil);

    const EsoScores first = scoreAnswers(store(), answers, kFirstPartQuestions);
    EXPECT_TRUE(hasWeakHabit(first));
    const ShortVerdict verdict = shortVerdict(shownScore(first.overall), hasWeakHabit(first), true);
    EXPECT_EQ(verdict.lines, (std::vector<int>{150, 151})) << first.overall;
    EXPECT_EQ(verdict.closingLine, 202);
    EXPECT_FALSE(verdict.partTwo);

    // Answering on to the end, the technical-vocational group leads both rankings.
    const EsoScores full = scoreAnswers(store(), answers, answers.count());
    EXPECT_EQ(topGroups(full.liking, 1), std::vector<int>{kHigherFp});
    EXPECT_EQ(topGroups(full.group, 1), std::vector<int>{kHigherFp});
    for (int habit = kFirstHabitGroup; habit <= kLastHabitGroup; ++habit)
        EXPECT_LT(full.group[static_cast<size_t>(habit)], kHabitPass) << "habit group " << habit;
}

TEST_F(EsoPersonas, PupilDrawnToLanguagesAndCommunicationIsAdvisedHumanitiesOrSocialSciences)
{
    Pupil pupil;
    pupil.marks = {{"marks-language", 4}, {"marks-maths", 2},  {"marks-english", 5}, {"marks-science", 2},
                   {"marks-history", 4},  {"marks-arts", 3},   {"marks-technology", 2}, {"marks-average", 4}};
    pupil.habits = kQuite;
    pupil.likes = {{"languages", kMost},   {"abroad", kMost},        {"translation", kQuite}, {"foreign-media", kMost},
                   {"cultures", kMost},    {"tourism", kQuite},      {"media-work", kMost},   {"public-speaking", kQuite},
                   {"writing", kMost},     {"social-media", kMost},  {"events", kQuite},      {"literature", kQuite}};
    const EsoScores full = scoreAnswers(store(), answersOf(pupil), store().cuestion.count);

    const std::vector<int> top = topGroups(full.group, 2);
    EXPECT_EQ(std::set<int>(top.begin(), top.end()), (std::set<int>{kLanguages, kCommunication}));
    const std::vector<int> liked = topGroups(full.liking, 2);
    EXPECT_EQ(std::set<int>(liked.begin(), liked.end()), (std::set<int>{kLanguages, kCommunication}));
    const Recommendation advice = recommendModalities(store(), full);
    const std::set<std::string> humanitiesAndSocialSciences{"HUMANIDADES", "CIENCIAS SOCIALES"};
    EXPECT_TRUE(humanitiesAndSocialSciences.count(trimmed(advice.first))) << advice.first;
}

} // namespace

#pragma once

// Scoring of the ESO questionnaire, without a window.
//
// How to drive it (e.g. a scripted pupil):
//
//   EsoAnswers answers(store.cuestion.count);     // every answer 1 ("no")
//   answers.set(12, 2);                           // question 12: second option
//   const EsoScores scores = scoreAnswers(store, answers, answers.count());
//   scores.overall;                               // 0..10, questions 1-35
//   rankGroups(scores.group);                     // career groups, best first
//   recommendModalities(store, scores).first;     // advised modality text
//
// For the short questionnaire score with questionsInUse = 35 and read
// shortVerdict(scores.overall, hasWeakHabit(scores), reviewChance).
//
// Questions come from `cuestion` (character 1 weight class, character 2 answer
// type), group members from record 3 of `datgrub`, group and modality names
// from `itinerar`: load the questionnaire's tables first.

#include <array>
#include <string>
#include <string_view>
#include <vector>

class DataStore;

namespace eso {

constexpr int kFirstPartQuestions = 35;
constexpr int kGroups = 20;
constexpr int kCareerGroups = 13;
constexpr int kFirstHabitGroup = 14;
constexpr int kLastHabitGroup = 19;
// Study habits below this score get advice (and make a weak habit).
constexpr double kHabitPass = 6.0;

struct Question {
    int weightClass = 0;
    int answerType = 0;
};
// The weight class and answer type of a `cuestion` line (0 for a non-digit).
Question questionFrom(std::string_view line);

// Options of an answer type: 2, 4, 4, 5 for types 2..5; 1 for any other.
int optionCount(int answerType);
// The answer after `answer` in its type's cycle (1 after the last option).
int nextAnswer(int answerType, int answer);
// The UiText line of an answer's label (0 for a type without labels) and the
// stars shown beside it.
int optionLine(int answerType, int answer);
std::string_view optionStars(int answerType, int answer);
// Points of an answer (answer 1 scores 0) and the most a question can score.
int points(int weightClass, int answerType, int answer);
int maximumPoints(int weightClass);

// One pupil's answers: answer q (1-based) of each question, 1 = first option.
class EsoAnswers {
public:
    explicit EsoAnswers(int questionCount = 0);

    int count() const { return static_cast<int>(answers_.size()); }
    // 1 for a question outside the questionnaire.
    int operator[](int question) const;
    // A question outside the questionnaire is ignored.
    void set(int question, int answer);
    // Questions from..count back to the first option.
    void resetFrom(int question);

private:
    std::vector<int> answers_;
};

// Indexed by group 1..20 (slot 0 unused).
using GroupScores = std::array<double, kGroups + 1>;

struct EsoScores {
    // 10 x points / maxima of questions 1-35 (maxima start at 0.01).
    double overall = 0.0;
    // All members in use; maxima start at 0.05.
    GroupScores group{};
    // Members numbered above 35; maxima start at 0.05.
    GroupScores liking{};
    // Members up to question 35 only, as the short questionnaire counts them;
    // a group without such members scores 0.
    GroupScores firstPart{};
};

// Questions above questionsInUse score nothing.
EsoScores scoreAnswers(const DataStore& store, const EsoAnswers& answers, int questionsInUse);

// The score as shown: one decimal. The verdicts compare this value, so a pupil
// shown " 5.0" is judged as 5.0.
double shownScore(double score);
// One decimal in a field of 4 characters: " 7.5", "10.0".
std::string formatScore(double score);

// Study-habit groups 14..19 (first-part scores) in order; true at the first
// one below 6.
bool hasWeakHabit(const EsoScores& scores);

// The verdict of the short questionnaire.
struct ShortVerdict {
    std::vector<int> lines;         // UiText lines under "Según tus respuestas,"
    int closingLine = 0;            // UiText line of the last list line; 0: none
    bool arrowLine = true;          // "Pulsa la flecha para continuar..."
    bool reviewChanceUsed = false;  // the pupil is sent back to review once
    bool partTwo = false;           // the arrow continues with questions 36..
};
ShortVerdict shortVerdict(double overall, bool weakHabit, bool reviewChance);

struct RankedGroup {
    int group = 0;
    double score = 0.0;
};
// Career groups 1..13, largest score first; ties keep the lower group first.
std::vector<RankedGroup> rankGroups(const GroupScores& scores);

// Group name (`itinerar` line g as stored) cut to 45, then the score.
std::string rankedLine(const DataStore& store, const RankedGroup& entry);

// The Bachillerato modality advised for a career group (names cut and filled
// to 35 characters).
std::string modalityText(const DataStore& store, int careerGroup);

// The career group whose name matches the top of the liking ranking in its
// first 20 characters (the higher number when two match).
int mostLikedGroup(const DataStore& store, const std::vector<RankedGroup>& likingRanking);

struct Recommendation {
    int bestGroup = 0;
    int likedGroup = 0;
    std::string first;
    // "o también " (cut to 16) and the most-liked group's modality; empty when
    // left out.
    std::string second;
};
Recommendation recommendModalities(const DataStore& store, const EsoScores& scores);

} // namespace eso

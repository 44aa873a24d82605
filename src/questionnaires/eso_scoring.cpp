#include "questionnaires/eso_scoring.h"

#include "data/data_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace eso {

namespace {

constexpr int kGroupRecord = 3;
constexpr double kOverallMaximumStart = 0.01;
constexpr double kGroupMaximumStart = 0.05;
constexpr int kNameLength = 45;
constexpr int kNameMatchLength = 20;
constexpr int kModalityLength = 35;
constexpr int kAlsoLength = 16;

// UiText lines of the short verdict.
constexpr int kEnoughLine1 = 142;
constexpr int kEnoughLine2 = 143;
constexpr int kCanDoLine = 144;
constexpr int kAdviceLaterLine = 145;
constexpr int kLowLine1 = 146;
constexpr int kLowLine2 = 147;
constexpr int kReviewLine1 = 148;
constexpr int kReviewLine2 = 149;
constexpr int kVocationalLine1 = 150;
constexpr int kVocationalLine2 = 151;
constexpr int kContinueBachilleratoLine = 201;
constexpr int kContinueVocationalLine = 202;
constexpr int kAlsoLine = 123;

// Column of a weight class in the points table; -1 for a class that scores 0.
int weightColumn(int weightClass)
{
    switch (weightClass) {
    case 2: return 0;
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    case 8: return 4;
    case 9: return 5;
    default: return -1;
    }
}

constexpr std::array<int, 6> kYesPoints{3, 5, 7, 10, 20, 30};
// Types 3-5, answers 2..5.
constexpr std::array<std::array<int, 6>, 4> kGradedPoints{{
    {1, 1, 2, 4, 5, 8},
    {2, 3, 5, 7, 10, 16},
    {3, 5, 7, 10, 15, 23},
    {0, 0, 0, 0, 20, 30},
}};
constexpr std::array<int, 6> kMaxima{3, 5, 7, 10, 20, 30};
constexpr int kOtherMaximum = 7;

int digit(std::string_view line, size_t at)
{
    return at < line.size() && line[at] >= '0' && line[at] <= '9' ? line[at] - '0' : 0;
}

size_t index(int n)
{
    return static_cast<size_t>(n);
}

std::string padded(std::string_view text, int width)
{
    std::string result(text::cut(text, width));
    result.resize(index(width), ' ');
    return result;
}

} // namespace

Question questionFrom(std::string_view line)
{
    return {digit(line, 0), digit(line, 1)};
}

int optionCount(int answerType)
{
    switch (answerType) {
    case 2: return 2;
    case 3:
    case 4: return 4;
    case 5: return 5;
    default: return 1;
    }
}

int nextAnswer(int answerType, int answer)
{
    return answer >= optionCount(answerType) || answer < 1 ? 1 : answer + 1;
}

int optionLine(int answerType, int answer)
{
    if (answer < 1 || answer > optionCount(answerType))
        return 0;
    switch (answerType) {
    case 2: return 139 + answer;
    case 3: return 135 + answer;
    case 4: return 131 + answer;
    case 5: return 126 + answer;
    default: return 0;
    }
}

std::string_view optionStars(int answerType, int answer)
{
    static constexpr std::string_view kFourStars[] = {"", "*", "**", "***"};
    static constexpr std::string_view kFiveStars[] = {"", "*", "*", "**", "***"};
    if (answer < 1 || answer > optionCount(answerType))
        return {};
    switch (answerType) {
    case 2: return answer == 2 ? "***" : "";
    case 3:
    case 4: return kFourStars[index(answer - 1)];
    case 5: return kFiveStars[index(answer - 1)];
    default: return {};
    }
}

int points(int weightClass, int answerType, int answer)
{
    const int column = weightColumn(weightClass);
    if (column < 0 || answer < 2)
        return 0;
    if (answerType == 2)
        return answer == 2 ? kYesPoints[index(column)] : 0;
    if (answerType >= 3 && answerType <= 5 && answer <= 5)
        return kGradedPoints[index(answer - 2)][index(column)];
    return 0;
}

int maximumPoints(int weightClass)
{
    const int column = weightColumn(weightClass);
    return column < 0 ? kOtherMaximum : kMaxima[index(column)];
}

EsoAnswers::EsoAnswers(int questionCount)
    : answers_(index(std::max(questionCount, 0)), 1)
{
}

int EsoAnswers::operator[](int question) const
{
    return question >= 1 && question <= count() ? answers_[index(question - 1)] : 1;
}

void EsoAnswers::set(int question, int answer)
{
    if (question >= 1 && question <= count())
        answers_[index(question - 1)] = answer;
}

void EsoAnswers::resetFrom(int question)
{
    for (int q = std::max(question, 1); q <= count(); ++q)
        answers_[index(q - 1)] = 1;
}

EsoScores scoreAnswers(const DataStore& store, const EsoAnswers& answers, int questionsInUse)
{
    const int questionCount = std::min(store.cuestion.count, answers.count());
    std::vector<int> earned(index(questionCount) + 1, 0);
    std::vector<int> maxima(index(questionCount) + 1, 0);
    for (int q = 1; q <= questionCount; ++q) {
        const Question question = questionFrom(store.cuestion[q]);
        maxima[index(q)] = maximumPoints(question.weightClass);
        if (q <= questionsInUse)
            earned[index(q)] = points(question.weightClass, question.answerType, answers[q]);
    }

    EsoScores scores;
    double sum = 0.0;
    double maximum = kOverallMaximumStart;
    for (int q = 1; q <= std::min(kFirstPartQuestions, questionCount); ++q) {
        sum += earned[index(q)];
        maximum += maxima[index(q)];
    }
    scores.overall = 10.0 * sum / maximum;

    for (int g = 1; g <= kGroups; ++g) {
        double groupSum = 0.0, groupMaximum = kGroupMaximumStart;
        double likingSum = 0.0, likingMaximum = kGroupMaximumStart;
        double firstSum = 0.0, firstMaximum = 0.0;
        const int members = store.datgrub.length(kGroupRecord, g);
        for (int i = 1; i <= members; ++i) {
            const int q = store.datgrub.value(kGroupRecord, g, i);
            if (q < 1 || q > questionCount)
                continue;
            groupSum += earned[index(q)];
            groupMaximum += maxima[index(q)];
            if (q > kFirstPartQuestions) {
                likingSum += earned[index(q)];
                likingMaximum += maxima[index(q)];
            } else {
                firstSum += earned[index(q)];
                firstMaximum += maxima[index(q)];
            }
        }
        scores.group[index(g)] = 10.0 * groupSum / groupMaximum;
        scores.liking[index(g)] = 10.0 * likingSum / likingMaximum;
        scores.firstPart[index(g)] = firstMaximum > 0.0 ? 10.0 * firstSum / firstMaximum : 0.0;
    }
    return scores;
}

std::string formatScore(double score)
{
    char text[16];
    std::snprintf(text, sizeof text, "%4.1f", score);
    return text;
}

double shownScore(double score)
{
    return std::strtod(formatScore(score).c_str(), nullptr);
}

bool hasWeakHabit(const EsoScores& scores)
{
    for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g)
        if (scores.firstPart[index(g)] < kHabitPass)
            return true;
    return false;
}

ShortVerdict shortVerdict(double overall, bool weakHabit, bool reviewChance)
{
    const double s = shownScore(overall);
    ShortVerdict verdict;
    verdict.partTwo = s >= 5.0;
    if (s > 6.0) {
        verdict.lines = {kEnoughLine1, kEnoughLine2};
        verdict.closingLine = kContinueBachilleratoLine;
    } else if (s >= 5.0) {
        verdict.lines = {kCanDoLine};
        if (weakHabit)
            verdict.lines.push_back(kAdviceLaterLine);
        verdict.closingLine = kContinueBachilleratoLine;
    } else if (s >= 4.4 && reviewChance) {
        verdict.lines = {kLowLine1, kLowLine2, kReviewLine1, kReviewLine2};
        verdict.arrowLine = false;
        verdict.reviewChanceUsed = true;
    } else {
        verdict.lines = {kVocationalLine1, kVocationalLine2};
        verdict.closingLine = kContinueVocationalLine;
    }
    return verdict;
}

std::vector<RankedGroup> rankGroups(const GroupScores& scores)
{
    std::vector<RankedGroup> ranking;
    for (int g = 1; g <= kCareerGroups; ++g)
        ranking.push_back({g, scores[index(g)]});
    // Exchange sort: neighbours swap only when the earlier is strictly lower.
    for (size_t pass = 1; pass < ranking.size(); ++pass)
        for (size_t i = 0; i + pass < ranking.size(); ++i)
            if (ranking[i].score < ranking[i + 1].score)
                std::swap(ranking[i], ranking[i + 1]);
    return ranking;
}

std::string rankedLine(const DataStore& store, const RankedGroup& entry)
{
    return std::string(text::cut(store.itinerar[entry.group], kNameLength)) + formatScore(entry.score);
}

std::string modalityText(const DataStore& store, int careerGroup)
{
    auto modality = [&](int line) { return padded(store.itinerar[line], kModalityLength); };
    auto either = [&](int first, int second) {
        return std::string(text::trimRight(modality(first))) + " o " + modality(second);
    };
    switch (careerGroup) {
    case 1: return either(27, 26);
    case 2: return modality(22);
    case 3: return modality(26);
    case 4: return modality(27);
    case 5:
    case 6:
    case 7: return modality(24);
    case 8:
    case 9: return modality(23);
    case 10: return either(24, 23);
    case 11:
    case 12:
    case 13: return modality(25);
    default: return {};
    }
}

int mostLikedGroup(const DataStore& store, const std::vector<RankedGroup>& likingRanking)
{
    if (likingRanking.empty())
        return 0;
    const std::string_view top = text::cut(store.itinerar[likingRanking.front().group], kNameMatchLength);
    int liked = likingRanking.front().group;
    for (int g = 1; g <= kCareerGroups; ++g)
        if (text::cut(store.itinerar[g], kNameMatchLength) == top)
            liked = g;
    return liked;
}

Recommendation recommendModalities(const DataStore& store, const EsoScores& scores)
{
    Recommendation advice;
    advice.bestGroup = rankGroups(scores.group).front().group;
    advice.likedGroup = mostLikedGroup(store, rankGroups(scores.liking));
    advice.first = modalityText(store, advice.bestGroup);
    const std::string liked = modalityText(store, advice.likedGroup);
    const bool combinedBest = advice.bestGroup == 1 || advice.bestGroup == 10;
    const bool overlapping =
        advice.first.find(liked) != std::string::npos || liked.find(advice.first) != std::string::npos;
    if (!combinedBest && !overlapping) {
        const std::string also = std::string(store.uiText.bytes(kAlsoLine)) + " ";
        advice.second = std::string(text::cut(also, kAlsoLength)) + liked;
    }
    return advice;
}

} // namespace eso

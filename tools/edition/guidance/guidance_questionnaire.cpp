#include "guidance_questionnaire.h"

#include "guidance_sources.h"
#include "languages.h"

namespace {

constexpr int kFirstPart = 35;     // the short questionnaire
constexpr int kQuestionWidth = 48; // after the weight class and answer type
constexpr int kItineraryLines = 52;
constexpr int kItineraryWidth = 54;
constexpr int kGroupNameShown = 45;
constexpr int kShortWidth = 35; // report title and modality names
constexpr int kFirstHabitGroup = 14;
constexpr int kLastScoredHabitGroup = 19;

struct ItineraryLine {
    int line;
    const char* key;
    int width;
};

// Lines 21..52 of the itinerary file: report title, modalities, report texts.
constexpr ItineraryLine kReportLines[] = {
    {21, "report.title", kShortWidth},
    {22, "modality.arts", kShortWidth},
    {23, "modality.humanities", kShortWidth},
    {24, "modality.social-sciences", kShortWidth},
    {25, "modality.engineering", kShortWidth},
    {26, "modality.health", kShortWidth},
    {27, "modality.sciences", kShortWidth},
    {30, "report.groups-heading", kItineraryWidth},
    {32, "report.score-column", kItineraryWidth},
    {33, "report.group-column", kItineraryWidth},
    {34, "report.advice-heading", kItineraryWidth},
    {35, "advice.study-time.1", kItineraryWidth},
    {36, "advice.study-time.2", kItineraryWidth},
    {37, "advice.up-to-date.1", kItineraryWidth},
    {38, "advice.up-to-date.2", kItineraryWidth},
    {39, "advice.up-to-date.3", kItineraryWidth},
    {40, "advice.concentration.1", kItineraryWidth},
    {41, "advice.concentration.2", kItineraryWidth},
    {42, "advice.summaries.1", kItineraryWidth},
    {43, "advice.summaries.2", kItineraryWidth},
    {44, "advice.asking.1", kItineraryWidth},
    {45, "advice.asking.2", kItineraryWidth},
    {46, "advice.memory.1", kItineraryWidth},
    {47, "advice.memory.2", kItineraryWidth},
    {48, "advice.good-habits.1", kItineraryWidth},
    {49, "advice.good-habits.2", kItineraryWidth},
    {50, "report.closing.1", kItineraryWidth},
    {51, "report.closing.2", kItineraryWidth},
    {52, "report.closing.3", kItineraryWidth},
};

int digitField(const QString& field, int low, int high)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok && field.size() == 1 && value >= low && value <= high ? value : -1;
}

struct Question {
    int weight;
    int type;
};

std::optional<std::vector<Question>> readQuestions(const StructureList& list, GroupMembers& members,
                                                   Diagnostics& diagnostics)
{
    std::vector<Question> questions;
    for (const StructureEntry& entry : list.entries) {
        const int number = static_cast<int>(questions.size()) + 1;
        const int weight = digitField(entry.fields[0], 0, 9);
        const int type = digitField(entry.fields[1], 2, 5);
        if (weight < 0)
            diagnostics.error(list.shown, entry.line, QStringLiteral("weight class must be a digit 0..9"));
        if (type < 0)
            diagnostics.error(list.shown, entry.line, QStringLiteral("answer type must be 2..5"));
        const QString groups = entry.fields.size() > 2 ? entry.fields[2] : QString();
        for (int g : parseGroups(groups, static_cast<int>(kGuidanceGroups.size()), list.shown, entry.line, diagnostics))
            members[static_cast<size_t>(g - 1)].push_back(number);
        questions.push_back({weight, type});
    }
    if (list.size() <= kFirstPart || list.size() > kLargestMember) {
        diagnostics.error(list.shown, 0, QStringLiteral("%1 questions: there must be %2 to %3")
                                             .arg(list.size())
                                             .arg(kFirstPart + 1)
                                             .arg(kLargestMember));
        return std::nullopt;
    }
    for (int g = kFirstHabitGroup; g <= kLastScoredHabitGroup; ++g) {
        const std::vector<int>& groupQuestions = members[static_cast<size_t>(g - 1)];
        if (groupQuestions.empty() || groupQuestions.front() > kFirstPart)
            diagnostics.error(list.shown, 0, QStringLiteral("group %1 has no question among the first %2")
                                                 .arg(QLatin1String(kGuidanceGroups[size_t(g - 1)]))
                                                 .arg(kFirstPart));
    }
    for (int g = 1; g <= kCareerGroups; ++g) {
        const std::vector<int>& groupQuestions = members[static_cast<size_t>(g - 1)];
        if (groupQuestions.empty() || groupQuestions.back() <= kFirstPart)
            diagnostics.warning(list.shown, 0, QStringLiteral("group %1 has no question after the first %2: "
                                                              "its liking score is always 0")
                                                   .arg(QLatin1String(kGuidanceGroups[size_t(g - 1)]))
                                                   .arg(kFirstPart));
    }
    return questions;
}

void compileItinerary(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    std::vector<TextKey> keys;
    std::vector<int> lineOfKey;
    for (size_t g = 0; g < kGuidanceGroups.size(); ++g) {
        const bool career = static_cast<int>(g) < kCareerGroups;
        keys.push_back({QStringLiteral("group.") + QLatin1String(kGuidanceGroups[g]), kItineraryWidth,
                        career ? kGroupNameShown : 0});
        lineOfKey.push_back(static_cast<int>(g) + 1);
    }
    for (const ItineraryLine& line : kReportLines) {
        keys.push_back({QLatin1String(line.key), line.width});
        lineOfKey.push_back(line.line);
    }
    const LanguageTexts texts = readLanguageTexts(folder, "itinerary.txt", keys, diagnostics);
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        std::vector<std::string> lines(kItineraryLines);
        for (size_t k = 0; k < keys.size(); ++k)
            lines[static_cast<size_t>(lineOfKey[k] - 1)] = texts[l][k];
        out.writeLines(QLatin1String(kLanguages[l].folder) + QLatin1String("itinerar"), lines);
    }
}

} // namespace

std::optional<GroupMembers> compileEsoQuestionnaire(const QString& folder, OutputFolder& out,
                                                    Diagnostics& diagnostics)
{
    compileItinerary(folder, out, diagnostics);
    const auto list = readStructure(folder, "questions.txt", 2, 3, "key, weight class, answer type, groups",
                                    diagnostics);
    if (!list)
        return std::nullopt;
    GroupMembers members;
    const auto questions = readQuestions(*list, members, diagnostics);
    if (!questions)
        return std::nullopt;
    const LanguageTexts texts =
        readLanguageTexts(folder, "questions.txt", uniformKeys(list->keys(), kQuestionWidth), diagnostics);
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        std::vector<std::string> lines;
        for (size_t q = 0; q < questions->size(); ++q) {
            const Question& question = (*questions)[q];
            lines.push_back(std::to_string(question.weight) + std::to_string(question.type) + texts[l][q]);
        }
        out.writeLines(QLatin1String(kLanguages[l].folder) + QLatin1String("cuestion"), lines);
    }
    return members;
}

#include "questionnaires/eso_report.h"

#include "data/data_store.h"

#include <array>

namespace eso {

namespace {

constexpr int kTitleLine = 21;
constexpr int kTitleLength = 35;
constexpr int kRuleLength = 56;
constexpr int kVerdictListLines = 13;
constexpr int kPupilNameLength = 45;

// UiText lines.
constexpr int kAccordingLine = 124;
constexpr int kArrowLine = 125;
constexpr int kEnoughLine1 = 142;
constexpr int kEnoughLine2 = 143;
constexpr int kLowLine1 = 146;
constexpr int kLowLine2 = 147;
constexpr int kScoreLine = 152;
constexpr int kAdvisedLine = 153;
constexpr int kCouldStudyLine = 240;
constexpr int kLikedLine = 394;
constexpr int kHigherFpLine = 80;
constexpr int kDegreesLine = 84;
constexpr int kUniversityLine = 46;
constexpr int kTitlesLine = 190;
constexpr int kEngineeringLines[] = {386, 0, 387, 388, 389};

// `itinerar` lines of the study-habit advice, by group 14..19.
struct AdviceLines {
    int first;
    int last;
};
constexpr std::array<AdviceLines, 6> kHabitAdvice{{{35, 36}, {37, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47}}};
constexpr AdviceLines kNoAdvice{48, 49};

// Career group -> ImageListIconos picture.
constexpr std::array<int, kCareerGroups + 1> kIcons{0, 1, 9, 16, 13, 25, 29, 17, 23, 24, 14, 27, 26, 28};

// Printed report lines in bold: the title, first recommendation and headings.
constexpr int kPrintedBoldLines[] = {2, 11, 15, 30};

std::string rule()
{
    return std::string(kRuleLength, '_');
}

std::string itinerar(const DataStore& store, int line)
{
    return store.itinerar[line];
}

std::string ui(const DataStore& store, int line)
{
    return std::string(store.uiText.bytes(line));
}

std::string title(const DataStore& store)
{
    return "       " + std::string(text::cut(store.itinerar[kTitleLine], kTitleLength));
}

} // namespace

std::vector<std::string> verdictLines(const DataStore& store, const ShortVerdict& verdict)
{
    std::vector<std::string> lines(kVerdictListLines);
    lines[0] = title(store);
    lines[2] = ui(store, kAccordingLine);
    for (size_t i = 0; i < verdict.lines.size() && i < 4; ++i)
        lines[3 + i] = ui(store, verdict.lines[i]);
    if (verdict.arrowLine)
        lines[11] = "   " + ui(store, kArrowLine);
    if (verdict.closingLine > 0)
        lines[12] = ui(store, verdict.closingLine);
    return lines;
}

EsoReport composeReport(const DataStore& store, const EsoScores& scores)
{
    EsoReport report;
    report.ranking = rankGroups(scores.group);
    report.liking = rankGroups(scores.liking);
    report.advice = recommendModalities(store, scores);
    const double s = shownScore(scores.overall);

    std::vector<std::string>& l = report.lines;
    l.push_back(title(store));
    l.emplace_back();
    l.push_back(ui(store, kAccordingLine));
    l.push_back(ui(store, s >= 5.0 ? kEnoughLine1 : kLowLine1));
    l.push_back(ui(store, s >= 5.0 ? kEnoughLine2 : kLowLine2));
    l.push_back(ui(store, kScoreLine) + " " + formatScore(scores.overall));
    l.push_back(rule());
    l.emplace_back();
    l.push_back(ui(store, kAdvisedLine));
    l.push_back("      " + report.advice.first);
    l.push_back("      " + report.advice.second);
    l.push_back(rule());
    l.emplace_back();
    l.push_back("        " + itinerar(store, 30));
    l.push_back(std::string(text::trimRight(store.itinerar[33])) + std::string(9, ' ') +
                std::string(text::trimRight(store.itinerar[32])));
    l.push_back("  " + ui(store, kCouldStudyLine));
    for (int i = 0; i < kRankedLines; ++i)
        l.push_back(rankedLine(store, report.ranking[static_cast<size_t>(i)]));
    l.emplace_back();
    l.push_back("  " + ui(store, kLikedLine));
    for (int i = 0; i < 2; ++i)
        l.push_back(rankedLine(store, report.liking[static_cast<size_t>(i)]));
    l.push_back(rule());
    l.emplace_back();
    l.push_back(itinerar(store, 34));
    l.emplace_back();

    auto addLines = [&](AdviceLines range) {
        for (int line = range.first; line <= range.last; ++line)
            l.push_back(itinerar(store, line));
    };
    bool advised = false;
    for (int g = kFirstHabitGroup; g <= kLastHabitGroup; ++g)
        if (scores.group[static_cast<size_t>(g)] < kHabitPass) {
            addLines(kHabitAdvice[static_cast<size_t>(g - kFirstHabitGroup)]);
            advised = true;
        }
    if (!advised)
        addLines(kNoAdvice);

    l.emplace_back();
    l.push_back(itinerar(store, 50));
    l.emplace_back();
    l.push_back(itinerar(store, 51));
    l.push_back(itinerar(store, 52));

    for (std::string& line : l)
        line = std::string(text::cut(line, kReportLineLength));
    return report;
}

int careerIcon(int careerGroup)
{
    return careerGroup >= 1 && careerGroup <= kCareerGroups ? kIcons[static_cast<size_t>(careerGroup)] : 0;
}

int likedIconGroup(const EsoReport& report)
{
    return report.advice.second.empty() ? report.advice.bestGroup : report.advice.likedGroup;
}

std::vector<std::string> careerLines(const DataStore& store, int careerGroup)
{
    std::vector<std::string> lines{"   " + itinerar(store, careerGroup)};
    if (careerGroup != 11 && careerGroup != 12) {
        lines.emplace_back();
        lines.push_back("- " + ui(store, kHigherFpLine));
        for (int title = 1; title <= store.fp.count; ++title)
            for (int field = 1; field <= 4; ++field)
                if (store.datfps.field(title, field) == careerGroup)
                    lines.push_back(store.fp[title]);
    }
    if (careerGroup != 13) {
        lines.emplace_back();
        lines.push_back("- " + ui(store, kDegreesLine) + " " + ui(store, kUniversityLine));
        for (int degree = 1; degree <= store.carreran.count; ++degree)
            if (store.datgrados.field(degree, 3) == careerGroup || store.datgrados.field(degree, 4) == careerGroup)
                lines.push_back(store.carreran[degree]);
        if (careerGroup == 11)
            for (int line : kEngineeringLines)
                lines.push_back(line ? ui(store, line) : std::string());
    }
    return lines;
}

std::string pupilNameWithCourse(std::string_view name)
{
    return std::string(text::cut(std::string(name) + "  -  4\xBA de ESO", kPupilNameLength));
}

int fillPrintedReport(DataStore& store, const std::string& pupilName, const std::vector<std::string>& report)
{
    store.reportBuffer.set(0, pupilName);
    store.reportBuffer.set(1, "");
    int line = 1;
    for (const std::string& text : report)
        store.reportBuffer.set(++line, text);
    store.reportBoldLines.clear();
    for (int bold : kPrintedBoldLines)
        store.reportBoldLines.add(bold);
    return line;
}

int fillCareersPrintout(DataStore& store, const std::vector<std::string>& careers)
{
    if (careers.empty())
        return 0;
    store.reportBuffer.set(0, careers.front());
    store.reportBuffer.set(1, std::string(13, ' ') + ui(store, kTitlesLine));
    int line = 1;
    for (size_t i = 1; i < careers.size(); ++i)
        store.reportBuffer.set(++line, careers[i]);
    store.reportBoldLines.clear();
    return line;
}

std::string savedReport(const std::string& pupilName, const std::vector<std::string>& report)
{
    std::string bytes = pupilName + "\r\n\r\n";
    for (const std::string& line : report)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace eso

#include "guidance_information.h"

#include "guidance_sources.h"
#include "languages.h"
#include "platform/cp1252.h"

#include <iterator>

namespace {

constexpr int kTableCapacity = 600; // lines of a long-line table
constexpr int kFixedTextWidth = 57; // after "T" and the line number
constexpr int kSectionTextWidth = 58; // after the code
constexpr int kCalendarFirstCode = 70;
constexpr int kCalendarRows = 13;
constexpr const char* kCalendar = "calendar";

// Lines 1..54 of the information table, in order: the hints of the forty
// buttons of the education chart, its captions, the basic FP screen title.
constexpr const char* kFixedLines[] = {
    "hint.eso-2",           "hint.eso-3",          "hint.eso-4-academic",       "hint.eso-4-applied",
    "hint.improvement",     "hint.improvement-4",  "hint.basic-fp-access-2",    "hint.basic-fp-access-3",
    "hint.basic-fp-1",      "hint.basic-fp-2",     "hint.basic-fp-to-intermediate", "hint.eso-to-bachillerato",
    "hint.eso-to-intermediate-fp", "hint.leaving-school", "hint.intermediate-fp-1", "hint.intermediate-fp-2",
    "hint.bachillerato-to-higher-fp", "hint.intermediate-to-higher-fp", "hint.eso-evaluation",
    "hint.bachillerato-evaluation", "hint.university-access", "hint.bach1-health", "hint.bach1-sciences",
    "hint.bach1-social",    "hint.bach1-arts",     "hint.bach1-engineering",    "hint.bach1-humanities",
    "hint.bach2-arts",      "hint.bach2-humanities", "hint.bach2-social",       "hint.bach2-engineering",
    "hint.bach2-health",    "hint.bach2-sciences", "hint.higher-fp",            "hint.higher-arts",
    "hint.higher-humanities", "hint.higher-social", "hint.higher-engineering",  "hint.higher-health",
    "hint.higher-sciences", "calendar-button",     "chart-title",               "chart-arrow-prompt",
    "stage-reminder",       "subjects-heading",    "higher-studies-label",      "bachillerato-middle-label",
    "final-evaluation-label", "academic-option-label", "applied-option-label",  "improvement-label-1",
    "improvement-label-2",  "basic-fp-label",      "basic-fp-title",
};
static_assert(std::size(kFixedLines) == 54);

struct Section {
    const char* name;
    int code;
};

// Sections of the information table; the calendar's rows take codes 70..95.
constexpr Section kInformationSections[] = {
    {"improvement", 5},           {"improvement-4", 6},       {"basic-fp-access", 8},
    {"basic-fp-studies", 9},      {"basic-fp-after", 10},     {"basic-fp-to-intermediate", 11},
    {"bachillerato-access", 12},  {"intermediate-fp-access", 13}, {"leaving-school", 14},
    {"intermediate-fp", 15},      {"intermediate-fp-after", 16}, {"higher-fp-access", 18},
    {"eso-evaluation", 19},       {"bachillerato-evaluation", 20}, {"university-access", 21},
    {"arts-intermediate-access", 22}, {"sports-intermediate-access", 23}, {"higher-fp", 34},
    {"higher-arts", 41},          {"higher-humanities", 42},  {"higher-social", 43},
    {"higher-engineering", 44},   {"higher-health", 45},      {"higher-sciences", 46},
    {"stage-0", 50},              {"stage-1", 51},            {"stage-2", 52},
    {"stage-3", 53},              {"stage-4", 54},            {"stage-5", 55},
    {"stage-6", 56},              {"stage-7", 57},            {"stage-8", 58},
    {"stage-9", 59},
};

// Sections of the subjects table.
constexpr Section kSubjectSections[] = {
    {"eso-1-2", 1},         {"eso-3", 2},           {"eso-4-academic", 3},  {"eso-4-applied", 4},
    {"eso-4-specific", 30}, {"bach1-specific", 10}, {"bach1-arts", 11},     {"bach1-humanities", 12},
    {"bach1-social", 13},   {"bach1-sciences", 14}, {"bach2-specific", 20}, {"bach2-arts", 21},
    {"bach2-humanities", 22}, {"bach2-social", 23}, {"bach2-sciences", 24},
};

std::string sectionCode(int code) { return QStringLiteral("%1").arg(code, 2).toStdString(); }

// A section line's text; lines taken over from Castilian were checked there.
std::string sectionText(const SectionLine& line, const QString& text, Diagnostics& diagnostics)
{
    if (line.fallback)
        return cp1252::encode(text);
    return encodeWithin(text, kSectionTextWidth, line.file, line.number, diagnostics);
}

template <size_t N>
QStringList sectionNames(const Section (&sections)[N])
{
    QStringList names;
    for (const Section& section : sections)
        names << QLatin1String(section.name);
    return names;
}

template <size_t N>
void appendSections(const Section (&sections)[N], const LanguageSections& lines, std::vector<std::string>& out,
                    Diagnostics& diagnostics)
{
    for (size_t s = 0; s < N; ++s)
        for (const SectionLine& line : lines[s])
            out.push_back(sectionCode(sections[s].code) + sectionText(line, line.text, diagnostics));
}

// Rows of two cells, "left<TAB>right"; row r takes codes 70 + 2r and 71 + 2r.
void appendCalendar(const std::vector<SectionLine>& rows, std::vector<std::string>& out, Diagnostics& diagnostics)
{
    int row = 0;
    for (const SectionLine& line : rows) {
        const QStringList cells = line.text.split(QLatin1Char('\t'));
        const char* problem = cells.size() != 2       ? "a calendar row is two cells separated by a tab"
                              : row == kCalendarRows ? "the calendar has more rows than its grid"
                                                     : nullptr;
        if (problem) {
            if (!line.fallback)
                diagnostics.error(line.file, line.number, QLatin1String(problem));
            continue;
        }
        for (int c = 0; c < 2; ++c)
            out.push_back(sectionCode(kCalendarFirstCode + 2 * row + c) + sectionText(line, cells[c], diagnostics));
        ++row;
    }
}

void writeTable(OutputFolder& out, const Language& language, const char* name, const std::vector<std::string>& lines,
                const QString& shown, Diagnostics& diagnostics)
{
    if (static_cast<int>(lines.size()) > kTableCapacity)
        diagnostics.error(shown, 0, QStringLiteral("%1 has %2 lines, more than %3")
                                        .arg(QLatin1String(name))
                                        .arg(lines.size())
                                        .arg(kTableCapacity));
    out.writeLines(QLatin1String(language.folder) + QLatin1String(name), lines);
}

} // namespace

void compileInformation(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    QStringList fixedKeys;
    for (const char* key : kFixedLines)
        fixedKeys << QLatin1String(key);
    const LanguageTexts fixed =
        readLanguageTexts(folder, "information.txt", uniformKeys(fixedKeys, kFixedTextWidth), diagnostics);
    const QStringList informationNames = sectionNames(kInformationSections) << QLatin1String(kCalendar);
    const auto information = readLanguageSections(folder, "information-sections.txt", informationNames, diagnostics);
    const auto subjects = readLanguageSections(folder, "subjects.txt", sectionNames(kSubjectSections), diagnostics);

    for (size_t l = 0; l < kLanguages.size(); ++l) {
        const Language& language = kLanguages[l];
        std::vector<std::string> lines;
        for (size_t i = 0; i < fixed[l].size(); ++i)
            lines.push_back(QStringLiteral("T%1").arg(i + 1, 2, 10, QLatin1Char('0')).toStdString() + fixed[l][i]);
        appendSections(kInformationSections, information[l], lines, diagnostics);
        appendCalendar(information[l].back(), lines, diagnostics);
        writeTable(out, language, "informa_l", lines,
                   QStringLiteral("guidance/%1/information-sections.txt").arg(QLatin1String(language.name)), diagnostics);

        std::vector<std::string> subjectLines;
        appendSections(kSubjectSections, subjects[l], subjectLines, diagnostics);
        writeTable(out, language, "materias_l", subjectLines,
                   QStringLiteral("guidance/%1/subjects.txt").arg(QLatin1String(language.name)), diagnostics);
    }
}

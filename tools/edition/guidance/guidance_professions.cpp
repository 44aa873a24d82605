#include "guidance_professions.h"

#include "guidance_sources.h"
#include "languages.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace {

constexpr int kActivityWidth = 55;   // columns 6..60 of a raw line
constexpr int kLongPhraseWidth = 115;
constexpr int kLongPhraseCodes = 4;
constexpr int kShortPhraseWidth = 60;
constexpr int kProfessionWidth = 40;
constexpr int kProfessionCapacity = 250; // rows of the study links
constexpr int kPhraseNumberWidth = 3;
constexpr int kCandidateCapacity = 44; // four pages of eleven

struct Activities {
    StructureList list;
    bool has(const QString& code) const { return list.numberOf(code) > 0; }
};

// A comma-separated list of one to `most` known activity codes.
QStringList activityCodes(const QString& field, int most, const Activities& activities, const QString& file,
                          int line, Diagnostics& diagnostics)
{
    const QStringList codes = field.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (codes.isEmpty() || codes.size() > most)
        diagnostics.error(file, line, QStringLiteral("expected 1 to %1 activity codes").arg(most));
    for (const QString& code : codes)
        if (!activities.has(code))
            diagnostics.error(file, line, QStringLiteral("unknown activity %1").arg(code));
    return codes.mid(0, most);
}

std::string codeColumns(const QStringList& codes, int index)
{
    return padded(index < codes.size() ? codes[index].toStdString() : std::string(), 4);
}

struct Phrase {
    QString key;
    QStringList codes;
};

struct Profession {
    QStringList codes;
    std::vector<int> phrases; // short-phrase numbers
};

std::vector<Phrase> readPhrases(const StructureList& list, int most, const Activities& activities,
                                Diagnostics& diagnostics)
{
    std::vector<Phrase> phrases;
    for (const StructureEntry& entry : list.entries)
        phrases.push_back({entry.key, activityCodes(entry.fields[0], most, activities, list.shown, entry.line,
                                                    diagnostics)});
    return phrases;
}

std::vector<Profession> readProfessions(const StructureList& list, const StructureList& shortPhrases,
                                        const Activities& activities, Diagnostics& diagnostics)
{
    std::vector<Profession> professions;
    for (const StructureEntry& entry : list.entries) {
        Profession profession{activityCodes(entry.fields[0], 2, activities, list.shown, entry.line, diagnostics), {}};
        const QStringList keys = entry.fields.size() > 1 ? entry.fields[1].split(QLatin1Char(','), Qt::SkipEmptyParts)
                                                         : QStringList();
        if (keys.size() > 2)
            diagnostics.error(list.shown, entry.line, QStringLiteral("at most two short phrases"));
        for (const QString& key : keys.mid(0, 2)) {
            const int number = shortPhrases.numberOf(key);
            if (number == 0)
                diagnostics.error(list.shown, entry.line, QStringLiteral("unknown short phrase %1").arg(key));
            profession.phrases.push_back(number);
        }
        professions.push_back(profession);
    }
    if (list.size() > kProfessionCapacity)
        diagnostics.error(list.shown, 0,
                          QStringLiteral("%1 professions, more than %2").arg(list.size()).arg(kProfessionCapacity));
    return professions;
}

// The short phrases offered when the given long phrases are kept.
std::set<int> candidates(const std::vector<const Phrase*>& kept, const std::vector<Profession>& professions)
{
    std::set<QString> codes;
    for (const Phrase* phrase : kept)
        codes.insert(phrase->codes.begin(), phrase->codes.end());
    std::set<int> numbers;
    for (const Profession& profession : professions)
        for (const QString& code : profession.codes)
            if (codes.count(code))
                for (int number : profession.phrases)
                    if (number > 0)
                        numbers.insert(number);
    return numbers;
}

// Every choice of one to three long phrases must deal its short phrases on the
// four pages; a long phrase that offers none leads nowhere.
void checkCandidates(const StructureList& longList, const std::vector<Phrase>& longPhrases,
                     const std::vector<Profession>& professions, Diagnostics& diagnostics)
{
    const size_t n = longPhrases.size();
    for (size_t a = 0; a < n; ++a) {
        if (candidates({&longPhrases[a]}, professions).empty())
            diagnostics.warning(longList.shown, longList.entries[a].line,
                                QStringLiteral("no profession offers a short phrase for this phrase"));
        for (size_t b = a + 1; b < n; ++b)
            for (size_t c = b + 1; c < n; ++c) {
                const size_t count =
                    candidates({&longPhrases[a], &longPhrases[b], &longPhrases[c]}, professions).size();
                if (static_cast<int>(count) > kCandidateCapacity)
                    diagnostics.error(longList.shown, longList.entries[c].line,
                                      QStringLiteral("%1, %2 and %3 together offer %4 short phrases, more than %5")
                                          .arg(longPhrases[a].key, longPhrases[b].key, longPhrases[c].key)
                                          .arg(count)
                                          .arg(kCandidateCapacity));
            }
    }
}

void checkShortPhrasesUsed(const StructureList& list, const std::vector<Profession>& professions,
                           Diagnostics& diagnostics)
{
    std::set<int> used;
    for (const Profession& profession : professions)
        used.insert(profession.phrases.begin(), profession.phrases.end());
    for (int i = 0; i < list.size(); ++i)
        if (!used.count(i + 1))
            diagnostics.warning(list.shown, list.entries[size_t(i)].line,
                                QStringLiteral("no profession names this phrase: it is never offered"));
}

// Every activity must be able to reach the results (as a code of a short
// phrase some long phrase offers) and every profession must be offered.
void checkReachable(const Activities& activities, const StructureList& professionList,
                    const std::vector<Phrase>& longPhrases, const std::vector<Phrase>& shortPhrases,
                    const std::vector<Profession>& professions, Diagnostics& diagnostics)
{
    std::vector<const Phrase*> everyLongPhrase;
    std::set<QString> named;
    for (const Phrase& phrase : longPhrases) {
        everyLongPhrase.push_back(&phrase);
        named.insert(phrase.codes.begin(), phrase.codes.end());
    }
    std::set<QString> scored;
    for (int number : candidates(everyLongPhrase, professions))
        if (number <= static_cast<int>(shortPhrases.size()))
            for (const QString& code : shortPhrases[size_t(number - 1)].codes)
                scored.insert(code);
    for (const StructureEntry& entry : activities.list.entries)
        if (!scored.count(entry.key))
            diagnostics.warning(activities.list.shown, entry.line,
                                QStringLiteral("no offered short phrase has this activity: it never reaches the results"));
    for (size_t i = 0; i < professions.size(); ++i) {
        const QStringList& codes = professions[i].codes;
        if (std::none_of(codes.begin(), codes.end(), [&](const QString& code) { return named.count(code) > 0; }))
            diagnostics.warning(professionList.shown, professionList.entries[i].line,
                                QStringLiteral("no long phrase has this profession's activities: it is never offered"));
    }
}

std::optional<Activities> readActivities(const QString& folder, Diagnostics& diagnostics)
{
    auto list = readStructure(folder, "activities.txt", 0, 0, "an activity code", diagnostics);
    if (!list)
        return std::nullopt;
    static const QRegularExpression code(QStringLiteral("^[A-Z]{4}$"));
    for (const StructureEntry& entry : list->entries)
        if (!code.match(entry.key).hasMatch())
            diagnostics.error(list->shown, entry.line, QStringLiteral("an activity code is four capital letters"));
    return Activities{std::move(*list)};
}

std::string number(int value)
{
    return padded(value > 0 ? std::to_string(value) : std::string(), kPhraseNumberWidth);
}

void writeFile(OutputFolder& out, const char* name, const std::vector<std::vector<std::string>>& lines)
{
    for (size_t l = 0; l < kLanguages.size(); ++l)
        out.writeLines(QLatin1String(kLanguages[l].folder) + QLatin1String(name), lines[l]);
}

} // namespace

void compileProfessions(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto activities = readActivities(folder, diagnostics);
    const auto longList = readStructure(folder, "long-phrases.txt", 1, 1, "key, activity codes", diagnostics);
    const auto shortList = readStructure(folder, "short-phrases.txt", 1, 1, "key, activity codes", diagnostics);
    const auto professionList =
        readStructure(folder, "professions.txt", 1, 2, "key, activity codes, short phrases", diagnostics);
    if (!activities || !longList || !shortList || !professionList)
        return;
    const auto longPhrases = readPhrases(*longList, kLongPhraseCodes, *activities, diagnostics);
    const auto shortPhrases = readPhrases(*shortList, 2, *activities, diagnostics);
    const auto professions = readProfessions(*professionList, *shortList, *activities, diagnostics);
    checkCandidates(*longList, longPhrases, professions, diagnostics);
    checkShortPhrasesUsed(*shortList, professions, diagnostics);
    checkReachable(*activities, *professionList, longPhrases, shortPhrases, professions, diagnostics);

    const auto activityTexts = readLanguageTexts(folder, "activities.txt",
                                                 uniformKeys(activities->list.keys(), kActivityWidth), diagnostics);
    const auto longTexts =
        readLanguageTexts(folder, "long-phrases.txt", uniformKeys(longList->keys(), kLongPhraseWidth), diagnostics);
    const auto shortTexts = readLanguageTexts(folder, "short-phrases.txt",
                                              uniformKeys(shortList->keys(), kShortPhraseWidth), diagnostics);
    const auto professionTexts = readLanguageTexts(folder, "professions.txt",
                                                   uniformKeys(professionList->keys(), kProfessionWidth), diagnostics);

    std::vector<std::vector<std::string>> activida(kLanguages.size()), fralargas(kLanguages.size()),
        fracortas(kLanguages.size()), profesio(kLanguages.size());
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        for (size_t i = 0; i < activityTexts[l].size(); ++i)
            activida[l].push_back(activities->list.entries[i].key.toStdString() + ' ' + activityTexts[l][i]);
        for (size_t i = 0; i < longPhrases.size(); ++i) {
            std::string line = padded(longTexts[l][i], kLongPhraseWidth);
            for (int c = 0; c < kLongPhraseCodes; ++c)
                line += (c > 0 ? " " : "") + codeColumns(longPhrases[i].codes, c);
            fralargas[l].push_back(line);
        }
        for (size_t i = 0; i < shortPhrases.size(); ++i)
            fracortas[l].push_back(codeColumns(shortPhrases[i].codes, 0) + ' ' + codeColumns(shortPhrases[i].codes, 1) +
                                   ' ' + shortTexts[l][i]);
        for (size_t i = 0; i < professions.size(); ++i) {
            const Profession& p = professions[i];
            profesio[l].push_back(codeColumns(p.codes, 0) + ' ' + codeColumns(p.codes, 1) + ' ' +
                                  padded(professionTexts[l][i], kProfessionWidth) +
                                  number(p.phrases.size() > 0 ? p.phrases[0] : 0) +
                                  number(p.phrases.size() > 1 ? p.phrases[1] : 0));
        }
    }
    writeFile(out, "activida", activida);
    writeFile(out, "fralargas", fralargas);
    writeFile(out, "fracortas", fracortas);
    writeFile(out, "profesio", profesio);
}

#include "guidance_fp_questionnaire.h"

#include "guidance_sources.h"
#include "languages.h"

namespace {

constexpr int kFields = 11; // the last: "only near home", never a question's field
constexpr int kFieldWidth = 75;
constexpr int kQuestionWidth = 70;
constexpr int kTenthField = 10; // written as the digit 0, which as second digit means none

// The two field digits of a question.
std::string fieldDigits(const StructureList& fields, const StructureList& questions, const StructureEntry& entry,
                        Diagnostics& diagnostics)
{
    const QStringList keys = entry.fields[0].split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (keys.isEmpty() || keys.size() > 2) {
        diagnostics.error(questions.shown, entry.line, QStringLiteral("expected one or two fields"));
        return "00";
    }
    std::string digits;
    for (int i = 0; i < keys.size(); ++i) {
        const int field = fields.numberOf(keys[i]);
        if (field == 0 || field == kFields)
            diagnostics.error(questions.shown, entry.line, QStringLiteral("%1 is not a field of questions").arg(keys[i]));
        else if (i == 1 && field == kTenthField)
            diagnostics.error(questions.shown, entry.line,
                              QStringLiteral("%1 can only be the first field (its digit 0 second means none)").arg(keys[i]));
        digits += static_cast<char>('0' + field % 10);
    }
    if (keys.size() == 2 && keys[0] == keys[1])
        diagnostics.error(questions.shown, entry.line, QStringLiteral("the same field twice"));
    if (digits.size() == 1)
        digits += '0';
    return digits;
}

} // namespace

void compileFpQuestionnaire(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto fields = readStructure(folder, "fp-fields.txt", 0, 0, "a field key", diagnostics);
    const auto questions = readStructure(folder, "fp-questions.txt", 1, 1, "key, fields", diagnostics);
    if (!fields || !questions)
        return;
    if (fields->size() != kFields)
        diagnostics.error(fields->shown, 0, QStringLiteral("%1 fields: there must be %2").arg(fields->size()).arg(kFields));
    std::vector<std::string> digits;
    for (const StructureEntry& entry : questions->entries)
        digits.push_back(fieldDigits(*fields, *questions, entry, diagnostics));
    const auto fieldTexts =
        readLanguageTexts(folder, "fp-fields.txt", uniformKeys(fields->keys(), kFieldWidth), diagnostics);
    const auto questionTexts =
        readLanguageTexts(folder, "fp-questions.txt", uniformKeys(questions->keys(), kQuestionWidth), diagnostics);
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        std::vector<std::string> lines = fieldTexts[l];
        for (size_t q = 0; q < digits.size(); ++q)
            lines.push_back(digits[q] + questionTexts[l][q]);
        out.writeLines(QLatin1String(kLanguages[l].folder) + QLatin1String("cuesgm"), lines);
    }
}

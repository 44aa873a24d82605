#include "fp_texts.h"

#include "platform/cp1252.h"

namespace {

constexpr int kJobs = 5;
constexpr const char* kContinuation = "   ";
constexpr int kModuleCheckWidth = 200; // a module is wrapped; only its characters are checked

// Words of `text` in lines of at most `width` characters; the first line starts
// with `first`, the others with the continuation blanks.
QStringList wrapped(const QString& first, const QString& text, int width)
{
    QStringList lines;
    QString line = first;
    bool hasWord = false;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (hasWord && line.size() + 1 + word.size() > width) {
            lines << line;
            line = QLatin1String(kContinuation);
            hasWord = false;
        }
        if (hasWord)
            line += QLatin1Char(' ');
        line += word;
        hasWord = true;
    }
    lines << line;
    return lines;
}

} // namespace

LanguagePass::LanguagePass(const Catalogue& catalogue, const char* language, Diagnostics& diagnostics)
    : catalogue_(catalogue)
    , language_(language)
    , diagnostics_(diagnostics)
{
}

bool LanguagePass::isCastilian() const
{
    return QLatin1String(language_) == QLatin1String("cas");
}

Records LanguagePass::lineFile(const Records& castilian, const char* file, const QString& textField)
{
    const QString name = QLatin1String(file);
    if (isCastilian())
        return castilian;
    const Records translation = readLineFile(languageSource(catalogue_.folder, language_, name),
                                             shownSource(language_, name), {textField}, diagnostics_, true);
    int translated = 0;
    Records result = translate(castilian, translation, {textField}, diagnostics_, translated);
    noteCoverage(diagnostics_, language_, name, translated, static_cast<int>(castilian.size()));
    return result;
}

Records LanguagePass::recordFile(const Records& castilian, const QString& file, const QStringList& textFields)
{
    if (isCastilian())
        return castilian;
    const Records translation = readRecordFile(languageSource(catalogue_.folder, language_, file),
                                               shownSource(language_, file), diagnostics_, true);
    int translated = 0;
    Records result = translate(castilian, translation, textFields, diagnostics_, translated);
    noteCoverage(diagnostics_, language_, file, translated, static_cast<int>(castilian.size()));
    return result;
}

bool LanguagePass::owns(const Field& field) const
{
    return field.file.startsWith(shownSource(language_, QString()));
}

std::string LanguagePass::text(const Field& field, int width)
{
    if (owns(field))
        return fitted(field, width, diagnostics_);
    return cp1252::encode(field.value).substr(0, size_t(width));
}

std::string LanguagePass::text(const Record& record, const char* field, int width)
{
    for (const Field& f : record.fields)
        if (f.name == QLatin1String(field))
            return text(f, width);
    return {};
}

std::vector<std::string> detailBlock(LanguagePass& pass, const Record& record, const QString& modulesHeading)
{
    std::vector<std::string> block;
    std::vector<const Field*> jobs, modules;
    const Field* duration = nullptr;
    for (const Field& field : record.fields) {
        if (field.name == QLatin1String("job"))
            jobs.push_back(&field);
        else if (field.name == QLatin1String("module"))
            modules.push_back(&field);
        else if (field.name == QLatin1String("duration"))
            duration = &field;
    }
    if (static_cast<int>(jobs.size()) > kJobs && pass.owns(*jobs[kJobs]))
        pass.diagnostics().error(jobs[kJobs]->file, jobs[kJobs]->line,
                                 QStringLiteral("at most %1 jobs per title").arg(kJobs));
    for (int j = 0; j < kJobs; ++j)
        block.push_back(j < static_cast<int>(jobs.size()) ? pass.text(*jobs[size_t(j)], kTextLineWidth)
                                                          : std::string());
    block.push_back(duration ? pass.text(*duration, kTextLineWidth) : std::string());
    if (modules.empty()) {
        block.resize(kBlockLines);
        return block;
    }
    block.push_back(cp1252::encode(QLatin1Char('-') + modulesHeading).substr(0, kTextLineWidth));
    int number = 0;
    for (const Field* module : modules) {
        pass.text(*module, kModuleCheckWidth);
        for (const QString& line : wrapped(QStringLiteral("%1. ").arg(++number), module->value, kTextLineWidth)) {
            if (static_cast<int>(block.size()) == kBlockLines) {
                if (pass.owns(*module))
                    pass.diagnostics().error(
                        module->file, module->line,
                        QStringLiteral("\"%1\": the modules need more than the %2 lines of the block")
                            .arg(record.key)
                            .arg(kBlockLines - 7));
                block.resize(kBlockLines);
                return block;
            }
            block.push_back(cp1252::encode(line).substr(0, kTextLineWidth));
        }
    }
    block.resize(kBlockLines);
    return block;
}

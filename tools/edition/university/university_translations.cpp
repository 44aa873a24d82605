#include "university_translations.h"

#include "university_model.h"

#include <QDir>
#include <map>

namespace {

bool isCastilian(const Language& language)
{
    return &language == &kLanguages[0];
}

QString translationPath(const Language& language, const QString& file)
{
    return QStringLiteral("university/translations/") + QLatin1String(language.name) + QLatin1Char('/') + file;
}

} // namespace

std::vector<QString> translatedTexts(const QString& sourceRoot, const Language& language, const QString& file,
                                     const std::vector<std::pair<QString, QString>>& castilian, int width,
                                     Diagnostics& diagnostics)
{
    std::vector<QString> texts;
    for (const auto& entry : castilian)
        texts.push_back(entry.second);
    if (isCastilian(language))
        return texts;
    const QString shown = translationPath(language, file);
    const auto lines = readSource(QDir(sourceRoot).filePath(shown), shown, diagnostics, true);
    std::map<QString, int> given;
    if (lines) {
        for (const KeyedText& entry : splitKeyed(*lines, shown, diagnostics)) {
            const auto found = std::find_if(castilian.begin(), castilian.end(), [&](const auto& c) { return c.first == entry.key; });
            if (found == castilian.end()) {
                diagnostics.error(shown, entry.line, QStringLiteral("unknown key \"%1\"").arg(entry.key));
                continue;
            }
            if (!given.emplace(entry.key, entry.line).second) {
                diagnostics.error(shown, entry.line, QStringLiteral("key \"%1\" given twice").arg(entry.key));
                continue;
            }
            encodeWithin(entry.text, width, shown, entry.line, diagnostics);
            texts[size_t(found - castilian.begin())] = entry.text;
        }
    }
    const int total = static_cast<int>(castilian.size());
    const int own = static_cast<int>(given.size());
    diagnostics.note(QStringLiteral("%1 university/%2: %3 of %4 entries (%5%)")
                         .arg(QLatin1String(language.name), 8).arg(file).arg(own).arg(total)
                         .arg(total ? own * 100 / total : 100));
    return texts;
}

DocumentConverter::DocumentConverter(QString sourceRoot, Diagnostics& diagnostics)
    : sourceRoot_(std::move(sourceRoot))
    , diagnostics_(diagnostics)
{
}

std::optional<std::vector<std::string>> DocumentConverter::lines(const Language& language, const QString& file,
                                                                 const Convert& convert)
{
    ++asked_;
    if (!isCastilian(language)) {
        const QString shown = translationPath(language, file);
        if (auto source = readSource(QDir(sourceRoot_).filePath(shown), shown, diagnostics_, true)) {
            ++translated_;
            return convert(Document{shown, std::move(*source)});
        }
    }
    auto cached = castilian_.find(file);
    if (cached == castilian_.end()) {
        const QString shown = QStringLiteral("university/") + file;
        auto source = readSource(QDir(sourceRoot_).filePath(shown), shown, diagnostics_);
        std::optional<std::vector<std::string>> converted;
        if (source)
            converted = convert(Document{shown, std::move(*source)});
        cached = castilian_.emplace(file, std::move(converted)).first;
    }
    return cached->second;
}

void DocumentConverter::noteCoverage(const Language& language)
{
    if (!isCastilian(language))
        diagnostics_.note(QStringLiteral("%1 university documents: %2 of %3 translated")
                              .arg(QLatin1String(language.name), 8).arg(translated_).arg(asked_));
    asked_ = 0;
    translated_ = 0;
}

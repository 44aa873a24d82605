#include "guidance_sources.h"

#include "output_folder.h"

#include <QDir>
#include <map>
#include <set>

namespace {

QString shownPath(const QString& relative) { return QStringLiteral("guidance/") + relative; }

QString languageFile(const Language& language, const char* name)
{
    return QLatin1String(language.name) + QLatin1Char('/') + QLatin1String(name);
}

void noteCoverage(const Language& language, const char* name, int own, int total, Diagnostics& diagnostics)
{
    diagnostics.note(QStringLiteral("%1 guidance/%2: %3 of %4 entries (%5%)")
                         .arg(QLatin1String(language.name), 8)
                         .arg(QLatin1String(name))
                         .arg(own)
                         .arg(total)
                         .arg(total == 0 ? 100 : own * 100 / total));
}

} // namespace

QStringList StructureList::keys() const
{
    QStringList keys;
    for (const StructureEntry& entry : entries)
        keys << entry.key;
    return keys;
}

int StructureList::numberOf(const QString& key) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].key == key)
            return static_cast<int>(i) + 1;
    return 0;
}

std::optional<StructureList> readStructure(const QString& folder, const char* name, int minFields,
                                           int maxFields, const char* layout, Diagnostics& diagnostics)
{
    const QString shown = shownPath(QLatin1String(name));
    const auto lines = readSource(QDir(folder).filePath(QLatin1String(name)), shown, diagnostics);
    if (!lines)
        return std::nullopt;
    StructureList list{shown, {}};
    std::set<QString> seen;
    for (const SourceLine& line : *lines) {
        QStringList fields = line.text.split(QLatin1Char('\t'));
        const QString key = fields.takeFirst();
        if (key.isEmpty() || fields.size() < minFields || fields.size() > maxFields) {
            diagnostics.error(shown, line.number, QStringLiteral("expected %1").arg(QLatin1String(layout)));
            continue;
        }
        if (!seen.insert(key).second) {
            diagnostics.error(shown, line.number, QStringLiteral("key %1 given twice").arg(key));
            continue;
        }
        list.entries.push_back({line.number, key, fields});
    }
    return list;
}

std::vector<TextKey> uniformKeys(const QStringList& keys, int width, int shown)
{
    std::vector<TextKey> result;
    for (const QString& key : keys)
        result.push_back({key, width, shown});
    return result;
}

LanguageTexts readLanguageTexts(const QString& folder, const char* name, const std::vector<TextKey>& keys,
                                Diagnostics& diagnostics)
{
    std::map<QString, size_t> index;
    for (size_t i = 0; i < keys.size(); ++i)
        index[keys[i].key] = i;
    LanguageTexts texts;
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        const Language& language = kLanguages[l];
        const bool castilian = l == 0;
        const QString shown = shownPath(languageFile(language, name));
        const auto lines = readSource(QDir(folder).filePath(languageFile(language, name)), shown, diagnostics,
                                      !castilian);
        std::vector<std::optional<std::string>> own(keys.size());
        if (lines) {
            for (const KeyedText& entry : splitKeyed(*lines, shown, diagnostics)) {
                const auto found = index.find(entry.key);
                if (found == index.end()) {
                    diagnostics.error(shown, entry.line, QStringLiteral("unknown key %1").arg(entry.key));
                    continue;
                }
                const TextKey& key = keys[found->second];
                if (own[found->second]) {
                    diagnostics.error(shown, entry.line, QStringLiteral("key %1 given twice").arg(entry.key));
                    continue;
                }
                std::string bytes = encodeWithin(entry.text, key.width, shown, entry.line, diagnostics);
                if (key.shown > 0 && static_cast<int>(bytes.size()) > key.shown)
                    diagnostics.warning(shown, entry.line, QStringLiteral("the screens show only %1 of its %2 characters")
                                                               .arg(key.shown)
                                                               .arg(bytes.size()));
                own[found->second] = std::move(bytes);
            }
        }
        int translated = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (own[i]) {
                ++translated;
                texts[l].push_back(*own[i]);
            } else {
                if (castilian)
                    diagnostics.error(shown, 0, QStringLiteral("no text for key %1").arg(keys[i].key));
                texts[l].push_back(castilian ? std::string() : texts[0][i]);
            }
        }
        noteCoverage(language, name, translated, static_cast<int>(keys.size()), diagnostics);
    }
    return texts;
}

std::array<LanguageSections, kLanguages.size()> readLanguageSections(const QString& folder, const char* name,
                                                                      const QStringList& sections,
                                                                      Diagnostics& diagnostics)
{
    std::array<LanguageSections, kLanguages.size()> result;
    for (size_t l = 0; l < kLanguages.size(); ++l) {
        const Language& language = kLanguages[l];
        const bool castilian = l == 0;
        const QString shown = shownPath(languageFile(language, name));
        const auto lines = readSource(QDir(folder).filePath(languageFile(language, name)), shown, diagnostics,
                                      !castilian);
        std::vector<std::optional<std::vector<SectionLine>>> own(static_cast<size_t>(sections.size()));
        std::optional<std::vector<SectionLine>>* current = nullptr;
        bool skipping = false;
        for (const SourceLine& line : lines ? *lines : std::vector<SourceLine>()) {
            if (line.text.startsWith(QLatin1Char('[')) && line.text.endsWith(QLatin1Char(']'))) {
                const QString section = line.text.mid(1, line.text.size() - 2);
                const qsizetype at = sections.indexOf(section);
                current = nullptr;
                skipping = true;
                if (at < 0)
                    diagnostics.error(shown, line.number, QStringLiteral("unknown section %1").arg(section));
                else if (own[static_cast<size_t>(at)])
                    diagnostics.error(shown, line.number, QStringLiteral("section %1 given twice").arg(section));
                else {
                    current = &own[static_cast<size_t>(at)];
                    current->emplace();
                    skipping = false;
                }
                continue;
            }
            if (current)
                (*current)->push_back({shown, line.number, line.text, false});
            else if (!skipping)
                diagnostics.error(shown, line.number, QStringLiteral("text before the first [section]"));
        }
        int translated = 0;
        for (size_t i = 0; i < own.size(); ++i) {
            if (own[i]) {
                ++translated;
                result[l].push_back(*own[i]);
                continue;
            }
            if (castilian)
                diagnostics.error(shown, 0, QStringLiteral("section %1 is missing").arg(sections[qsizetype(i)]));
            std::vector<SectionLine> fallback = castilian ? std::vector<SectionLine>() : result[0][i];
            for (SectionLine& line : fallback)
                line.fallback = true;
            result[l].push_back(std::move(fallback));
        }
        noteCoverage(language, name, translated, static_cast<int>(own.size()), diagnostics);
    }
    return result;
}


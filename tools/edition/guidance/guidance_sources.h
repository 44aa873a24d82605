#pragma once

#include "diagnostics.h"
#include "output_folder.h"
#include "languages.h"
#include "source_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

// The sources of guidance/: language-independent lists (guidance/NAME) that
// give each entry a key and its structure, and language files
// (guidance/LANG/NAME) that give the texts by key. Castilian is complete; a
// text another language lacks falls back to the Castilian one.

struct StructureEntry {
    int line;
    QString key;
    QStringList fields; // the tab-separated fields after the key
};

// "key<TAB>field..." lines, numbered from 1 in file order; keys are unique.
struct StructureList {
    QString shown;
    std::vector<StructureEntry> entries;

    int size() const { return static_cast<int>(entries.size()); }
    QStringList keys() const;
    // The entry's number (1-based), 0 for an unknown key.
    int numberOf(const QString& key) const;
};

std::optional<StructureList> readStructure(const QString& folder, const char* name, int minFields,
                                           int maxFields, const char* layout, Diagnostics& diagnostics);

// A text asked for by key, with the columns it has in its output line and,
// optionally, the fewer columns a screen shows of it (a warning beyond).
struct TextKey {
    QString key;
    int width;
    int shown = 0;
};
std::vector<TextKey> uniformKeys(const QStringList& keys, int width, int shown = 0);

// Windows-1252 texts of every language in the order of the keys.
using LanguageTexts = std::array<std::vector<std::string>, kLanguages.size()>;

// guidance/LANG/NAME as "key<TAB>text" lines. Unknown, repeated and (in
// Castilian) missing keys, characters outside Windows-1252 and texts wider than
// their key allows are errors. Prints each language's coverage.
LanguageTexts readLanguageTexts(const QString& folder, const char* name, const std::vector<TextKey>& keys,
                                Diagnostics& diagnostics);

// A section file: "[name]" lines head the lines that follow them.
struct SectionLine {
    QString file; // where the line comes from
    int number;
    QString text;
    bool fallback; // taken from Castilian: already checked there
};
using LanguageSections = std::vector<std::vector<SectionLine>>; // by section, in the order asked

// guidance/LANG/NAME for every language; a section another language lacks
// falls back to the Castilian one as a whole. Unknown and repeated sections,
// and (in Castilian) missing ones, are errors.
std::array<LanguageSections, kLanguages.size()> readLanguageSections(const QString& folder, const char* name,
                                                                      const QStringList& sections,
                                                                      Diagnostics& diagnostics);



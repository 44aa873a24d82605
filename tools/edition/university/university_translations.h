#pragma once

#include "diagnostics.h"
#include "languages.h"
#include "source_file.h"

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Translations of the university domain mirror the Castilian sources under
// university/translations/LANG/: a keyed file gives "key<TAB>text" for the
// entries it translates, a document replaces its Castilian file whole.

// The texts of a keyed table in one language, in the order of `castilian`
// (key, text): each entry the translation of `file` when it gives the key,
// else the Castilian text. Prints the language's coverage of the file.
std::vector<QString> translatedTexts(const QString& sourceRoot, const Language& language, const QString& file,
                                     const std::vector<std::pair<QString, QString>>& castilian, int width,
                                     Diagnostics& diagnostics);

// Documents turned into data-folder lines once per source file: a language
// with its own translations/LANG/FILE gets that converted, any other the
// Castilian university/FILE, converted (and its problems reported) once.
struct Document {
    QString shown;
    std::vector<SourceLine> lines;
};

class DocumentConverter {
public:
    using Convert = std::function<std::vector<std::string>(const Document&)>;

    DocumentConverter(QString sourceRoot, Diagnostics& diagnostics);

    std::optional<std::vector<std::string>> lines(const Language& language, const QString& file, const Convert& convert);
    // Prints how many of the documents asked for in `language` were translated.
    void noteCoverage(const Language& language);

private:
    QString sourceRoot_;
    Diagnostics& diagnostics_;
    std::map<QString, std::optional<std::vector<std::string>>> castilian_;
    int asked_ = 0;
    int translated_ = 0;
};

#pragma once

#include "fp_catalogue.h"
#include "fp_records.h"

#include <string>
#include <vector>

// One language's pass over the sources: translations are read and applied, and
// the texts are checked where they come from this language's own files (a
// Castilian fallback was checked by the Castilian pass).
class LanguagePass {
public:
    LanguagePass(const Catalogue& catalogue, const char* language, Diagnostics& diagnostics);

    const char* language() const { return language_; }
    bool isCastilian() const;
    Diagnostics& diagnostics() { return diagnostics_; }

    // The Castilian records of `file` with this language's translation applied;
    // prints the file's coverage. Line files are read with the text field only.
    Records lineFile(const Records& castilian, const char* file, const QString& textField);
    Records recordFile(const Records& castilian, const QString& file, const QStringList& textFields);

    // The bytes of a text field; too wide is an error when the field is this language's.
    std::string text(const Field& field, int width);
    std::string text(const Record& record, const char* field, int width);
    bool owns(const Field& field) const;

private:
    const Catalogue& catalogue_;
    const char* language_;
    Diagnostics& diagnostics_;
};

// The 25 lines of a detail block: jobs 1-5, the duration on line 6, then the
// modules heading and the numbered modules, wrapped at 60 characters with
// continuation lines that start with blanks.
std::vector<std::string> detailBlock(LanguagePass& pass, const Record& record, const QString& modulesHeading);

inline constexpr int kBlockLines = 25;

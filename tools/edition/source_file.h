#pragma once

#include "diagnostics.h"

#include <QString>
#include <optional>
#include <vector>

// One meaningful line of a UTF-8 edition source, with its line number.
struct SourceLine {
    int number;
    QString text;
};

// The lines of a source file without blank lines and "#" comment lines;
// trailing blanks are removed, leading blanks kept. A file that cannot be read
// is an error (or, when optional, simply absent).
std::optional<std::vector<SourceLine>> readSource(const QString& path, const QString& shownName,
                                                  Diagnostics& diagnostics, bool optional = false);

// "key<TAB>text" lines: the key before the first tab, the text after it.
struct KeyedText {
    int line;
    QString key;
    QString text;
};
std::vector<KeyedText> splitKeyed(const std::vector<SourceLine>& lines, const QString& shownName,
                                  Diagnostics& diagnostics);

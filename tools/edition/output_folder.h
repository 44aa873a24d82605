#pragma once

#include "diagnostics.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

// The compiled data folder: Windows-1252 text with CR LF line ends and binary
// files, written below one root folder.
class OutputFolder {
public:
    OutputFolder(QString root, Diagnostics& diagnostics);

    const QString& root() const { return root_; }
    bool writeLines(const QString& path, const std::vector<std::string>& lines);
    bool writeBytes(const QString& path, const QByteArray& bytes);

private:
    QString root_;
    Diagnostics& diagnostics_;
};

// Text of a source line in Windows-1252; characters outside the code page are
// an error at file:line.
std::string encodeChecked(const QString& text, const QString& file, int line, Diagnostics& diagnostics);

// encodeChecked, and an error when the text is wider than its columns.
std::string encodeWithin(const QString& text, int width, const QString& file, int line, Diagnostics& diagnostics);

// The bytes padded with blanks, or cut, to exactly `width` characters.
std::string padded(std::string text, int width);

#pragma once

#include "data/load_context.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

// A temporary data folder for one test. Text is written as Windows-1252 with
// CR LF line ends, from UTF-8 literals.
class FixtureFolder {
public:
    FixtureFolder();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    void writeLines(const QString& name, const std::vector<std::string>& utf8Lines) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    void writeIntegers(const QString& name, const std::vector<int32_t>& values) const;
    void remove(const QString& name) const;

    // A context over this folder with its own abort flag.
    LoadContext context() { return LoadContext(path(), aborted); }
    bool aborted = false;

private:
    QTemporaryDir dir_;
};

// Little-endian bytes of 32-bit integers.
QByteArray integerBytes(const std::vector<int32_t>& values);

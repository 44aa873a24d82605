#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// What every loader needs: the data folder its paths are relative to, and the
// run's abort flag that a missing file sets.
class LoadContext {
public:
    LoadContext(QString dataFolder, bool& startupAborted);

    const QString& dataFolder() const { return folder_; }
    QString absolutePath(const QString& path) const;
    bool exists(const QString& path) const;

    // The file's bytes; a file that cannot be read is reported as missing.
    std::optional<QByteArray> readFile(const QString& path) const;
    // The file's lines (CR LF, LF or a lone CR end a line).
    std::optional<std::vector<std::string>> readLines(const QString& path) const;

    // "Faltan ficheros (path). Vuelva a instalar el programa", and abort.
    void reportMissing(const QString& path) const;
    // A message of the loaders' own (e.g. "mal 9").
    void say(const QString& text) const;
    void abort() const { aborted_ = true; }

private:
    QString folder_;
    bool& aborted_;
};

namespace text {
std::vector<std::string> splitLines(const QByteArray& bytes);
}

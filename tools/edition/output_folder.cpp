#include "output_folder.h"

#include "platform/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

OutputFolder::OutputFolder(QString root, Diagnostics& diagnostics)
    : root_(std::move(root))
    , diagnostics_(diagnostics)
{
}

bool OutputFolder::writeBytes(const QString& path, const QByteArray& bytes)
{
    const QString target = QDir(root_).filePath(path);
    QSaveFile file(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        diagnostics_.error(target, 0, QStringLiteral("cannot write the file"));
        return false;
    }
    return true;
}

bool OutputFolder::writeLines(const QString& path, const std::vector<std::string>& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes.append(line.data(), static_cast<qsizetype>(line.size())).append("\r\n");
    return writeBytes(path, bytes);
}

std::string encodeChecked(const QString& text, const QString& file, int line, Diagnostics& diagnostics)
{
    std::string bytes = cp1252::encode(text);
    if (cp1252::decode(bytes) != text)
        diagnostics.error(file, line, QStringLiteral("characters outside Windows-1252: ") + text);
    return bytes;
}

std::string encodeWithin(const QString& text, int width, const QString& file, int line, Diagnostics& diagnostics)
{
    std::string bytes = encodeChecked(text, file, line, diagnostics);
    if (static_cast<int>(bytes.size()) > width)
        diagnostics.error(file, line, QStringLiteral("\"%1\" is longer than %2 characters").arg(text).arg(width));
    return bytes;
}

std::string padded(std::string text, int width)
{
    text.resize(static_cast<size_t>(std::max(width, 0)), ' ');
    return text;
}

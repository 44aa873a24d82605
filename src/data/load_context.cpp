#include "data/load_context.h"

#include "platform/message_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

LoadContext::LoadContext(QString dataFolder, bool& startupAborted)
    : folder_(std::move(dataFolder))
    , aborted_(startupAborted)
{
}

QString LoadContext::absolutePath(const QString& path) const
{
    return QDir(folder_).filePath(path);
}

bool LoadContext::exists(const QString& path) const
{
    return QFileInfo(absolutePath(path)).isFile();
}

std::optional<QByteArray> LoadContext::readFile(const QString& path) const
{
    QFile file(absolutePath(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        reportMissing(path);
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<std::vector<std::string>> LoadContext::readLines(const QString& path) const
{
    auto bytes = readFile(path);
    if (!bytes)
        return std::nullopt;
    return text::splitLines(*bytes);
}

void LoadContext::reportMissing(const QString& path) const
{
    say(QStringLiteral("Faltan ficheros (") + path + QStringLiteral("). Vuelva a instalar el programa"));
    aborted_ = true;
}

void LoadContext::say(const QString& text) const
{
    messageService().show(text);
}

namespace text {

std::vector<std::string> splitLines(const QByteArray& bytes)
{
    std::vector<std::string> lines;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* start = p;
        while (p < end && *p != '\r' && *p != '\n')
            ++p;
        lines.emplace_back(start, p);
        if (p < end && *p++ == '\r' && p < end && *p == '\n')
            ++p;
    }
    return lines;
}

} // namespace text

#include "university_model.h"

#include "output_folder.h"

#include <QDir>
#include <QRegularExpression>

int KeyedList::number(const QString& key) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].key == key)
            return static_cast<int>(i) + 1;
    return 0;
}

namespace university {

std::optional<int> parseMark(const QString& text, const QString& file, int line, Diagnostics& diagnostics)
{
    if (text == QLatin1String("-"))
        return kNoMark;
    static const QRegularExpression format(QStringLiteral("^(\\d{1,2}),(\\d)$"));
    const auto match = format.match(text);
    const int tenths = match.hasMatch() ? match.captured(1).toInt() * 10 + match.captured(2).toInt() : 0;
    if (tenths >= 50 && tenths <= 140)
        return tenths;
    diagnostics.error(file, line, QStringLiteral("cut-off mark \"%1\": write 5,0 to 14,0 or - for none").arg(text));
    return std::nullopt;
}

std::optional<QStringList> fields(const SourceLine& line, int min, int max, const char* layout, const QString& file,
                                  Diagnostics& diagnostics)
{
    QStringList parts = line.text.split(QLatin1Char('\t'));
    if (parts.size() < min || parts.size() > max || parts.mid(0, min).contains(QString())) {
        diagnostics.error(file, line.number, QStringLiteral("expected %1").arg(QLatin1String(layout)));
        return std::nullopt;
    }
    return parts;
}

int communityNumber(const std::vector<QString>& communities, const QString& name, const QString& file, int line,
                    Diagnostics& diagnostics)
{
    const auto found = std::find(communities.begin(), communities.end(), name);
    if (found != communities.end())
        return static_cast<int>(found - communities.begin()) + 1;
    diagnostics.error(file, line, QStringLiteral("unknown community \"%1\"").arg(name));
    return 0;
}

std::vector<QString> readCommunities(const QString& sourceRoot, Diagnostics& diagnostics)
{
    std::vector<QString> communities;
    const auto lines = readSource(QDir(sourceRoot).filePath(QStringLiteral("geography/communities.txt")),
                                  QStringLiteral("geography/communities.txt"), diagnostics);
    if (lines)
        for (const SourceLine& line : *lines)
            if (!line.text.startsWith(QLatin1Char('\t')))
                communities.push_back(line.text);
    return communities;
}

std::vector<QString> readProfessionKeys(const QString& sourceRoot, Diagnostics& diagnostics)
{
    std::vector<QString> keys;
    const auto lines = readSource(QDir(sourceRoot).filePath(QStringLiteral("guidance/professions.txt")),
                                  QStringLiteral("guidance/professions.txt"), diagnostics);
    if (lines)
        for (const SourceLine& line : *lines)
            keys.push_back(line.text.section(QLatin1Char('\t'), 0, 0));
    return keys;
}

} // namespace university

#include "source_file.h"

#include <QFile>
#include <QStringDecoder>

std::optional<std::vector<SourceLine>> readSource(const QString& path, const QString& shownName,
                                                  Diagnostics& diagnostics, bool optional)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!optional)
            diagnostics.error(shownName, 0, QStringLiteral("cannot read the file"));
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString content = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        diagnostics.error(shownName, 0, QStringLiteral("not valid UTF-8"));
        return std::nullopt;
    }
    std::vector<SourceLine> lines;
    int number = 0;
    for (QStringView line : QStringView(content).split(QLatin1Char('\n'))) {
        ++number;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        while (line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\t')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        lines.push_back({number, line.toString()});
    }
    return lines;
}

std::vector<KeyedText> splitKeyed(const std::vector<SourceLine>& lines, const QString& shownName,
                                  Diagnostics& diagnostics)
{
    std::vector<KeyedText> keyed;
    for (const SourceLine& line : lines) {
        const qsizetype tab = line.text.indexOf(QLatin1Char('\t'));
        if (tab <= 0) {
            diagnostics.error(shownName, line.number, QStringLiteral("expected a key, a tab and a text"));
            continue;
        }
        keyed.push_back({line.number, line.text.left(tab), line.text.mid(tab + 1)});
    }
    return keyed;
}

#include "interface_texts.h"

#include "data/ui_text.h"
#include "languages.h"
#include "source_file.h"

#include <QDir>
#include <map>

namespace {

constexpr int kLines = 749;

using Texts = std::map<int, std::pair<int, std::string>>; // line -> (source line, bytes)

Texts readTexts(const QString& path, const QString& shown, Diagnostics& diagnostics, bool optional)
{
    Texts texts;
    const auto lines = readSource(path, shown, diagnostics, optional);
    if (!lines)
        return texts;
    int previous = 0;
    for (const KeyedText& entry : splitKeyed(*lines, shown, diagnostics)) {
        bool numeric = false;
        const int n = entry.key.toInt(&numeric);
        if (!numeric || n < 1 || n > kLines) {
            diagnostics.error(shown, entry.line, QStringLiteral("line number must be 1..%1").arg(kLines));
            continue;
        }
        if (texts.count(n)) {
            diagnostics.error(shown, entry.line, QStringLiteral("line %1 given twice").arg(n));
            continue;
        }
        if (n < previous)
            diagnostics.error(shown, entry.line, QStringLiteral("line %1 out of order").arg(n));
        previous = n;
        const std::string bytes = encodeChecked(entry.text, shown, entry.line, diagnostics);
        if (static_cast<int>(bytes.size()) > UiText::kSlotSize)
            diagnostics.error(shown, entry.line,
                              QStringLiteral("text of line %1 is longer than %2 characters").arg(n).arg(UiText::kSlotSize));
        else if (static_cast<int>(bytes.size()) > UiText::maximum(n))
            diagnostics.warning(shown, entry.line, QStringLiteral("line %1 shows only %2 of its %3 characters")
                                                       .arg(n).arg(UiText::maximum(n)).arg(bytes.size()));
        texts[n] = {entry.line, bytes};
    }
    return texts;
}

} // namespace

void compileInterfaceTexts(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const QDir folder(QDir(sourceRoot).filePath(QStringLiteral("texts")));
    Texts castilian;
    for (const Language& language : kLanguages) {
        const QString file = QLatin1String(language.name) + QLatin1String(".txt");
        const QString shown = QStringLiteral("texts/") + file;
        const bool isCastilian = castilian.empty();
        const Texts texts = readTexts(folder.filePath(file), shown, diagnostics, !isCastilian);
        if (isCastilian) {
            castilian = texts;
            for (int n = 1; n <= kLines; ++n)
                if (!castilian.count(n))
                    diagnostics.error(shown, 0, QStringLiteral("line %1 is missing").arg(n));
        }
        std::vector<std::string> lines;
        int own = 0;
        for (int n = 1; n <= kLines; ++n) {
            const auto it = texts.find(n);
            own += it != texts.end();
            const Texts& source = it != texts.end() ? texts : castilian;
            const auto found = source.find(n);
            lines.push_back(found != source.end() ? found->second.second : std::string());
        }
        out.writeLines(QLatin1String(language.folder) + QLatin1String("textos"), lines);
        diagnostics.note(QStringLiteral("%1 interface texts: %2 of %3 lines (%4%)")
                             .arg(QLatin1String(language.name), 8).arg(own).arg(kLines).arg(own * 100 / kLines));
    }
}

#include "ui_text_uses.h"

#include "data/ui_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <algorithm>

namespace {

const QRegularExpression kTableIndex(QStringLiteral(R"(\b(?:uiText|texts|t)\s*\[([^\]]*)\])"));
const QRegularExpression kBytesCall(QStringLiteral(R"(\buiText\s*\.\s*bytes\s*\(([^()]*)\))"));
const QRegularExpression kCaptionTableStart(QStringLiteral(R"(\b\w*(?:caption|text|hint)s?\w*\s*(?:\[\s*\])?\s*=\s*\{)"),
                                             QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kCaptionPair(QStringLiteral(R"(\{\s*[^{},]+,\s*(\d+)\s*\})"));
const QRegularExpression kLineConstantName(QStringLiteral(R"(Line\d*$)"));
const QRegularExpression kOtherTableIndex(QStringLiteral(R"(\b(\w+)\s*\[\s*(\w+)\s*\])"));
const QRegularExpression kConstant(QStringLiteral(R"(\bconstexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)"));
const QRegularExpression kListFunction(
    QStringLiteral(R"((\w+)\s*(?:=\s*\[[^\]]*\]\s*)?\([^)]*std::initializer_list<int>)"));
const QRegularExpression kNumber(QStringLiteral(R"(\b\d+\b)"));
const QRegularExpression kWord(QStringLiteral(R"(\b[A-Za-z_]\w*\b)"));

QString withoutLineComment(const QString& line)
{
    bool inString = false;
    for (int i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == QLatin1Char('"') && (i == 0 || line[i - 1] != QLatin1Char('\\')))
            inString = !inString;
        if (!inString && line[i] == QLatin1Char('/') && line[i + 1] == QLatin1Char('/'))
            return line.left(i);
    }
    return line;
}

bool isTextTable(const QString& name)
{
    return name == QLatin1String("uiText") || name == QLatin1String("texts") || name == QLatin1String("t");
}

struct FileScan {
    QString path;
    QStringList lines;
    QHash<QString, int> constants;       // name -> value
    QHash<QString, int> constantLines;   // name -> file line
    QList<QRegularExpression> listCalls; // calls of the file's number-list functions
    QSet<QString> otherTableIndexes;
    QList<UiTextUse> uses;

    void add(int value, int index)
    {
        uses.append({value, path, index + 1, lines[index].trimmed()});
    }

    void addConstant(const QString& name)
    {
        const int index = constantLines.value(name) - 1;
        const bool known = std::any_of(uses.cbegin(), uses.cend(), [&](const UiTextUse& u) {
            return u.fileLine == index + 1 && u.line == constants.value(name);
        });
        if (!known)
            add(constants.value(name), index);
    }

    // Numbers added to or taken from a constant are offsets, not lines.
    void addNumbersAndConstants(const QString& expression, int index)
    {
        const bool offsets = expression.contains(QLatin1Char('+')) || expression.contains(QLatin1Char('-'));
        for (auto it = kNumber.globalMatch(expression); !offsets && it.hasNext();)
            add(it.next().captured().toInt(), index);
        for (auto it = kWord.globalMatch(expression); it.hasNext();) {
            const QString word = it.next().captured();
            if (constants.contains(word))
                addConstant(word);
        }
    }

    void collectDeclarations()
    {
        for (int i = 0; i < lines.size(); ++i) {
            const QString code = withoutLineComment(lines[i]);
            if (const auto m = kConstant.match(code); m.hasMatch()) {
                constants.insert(m.captured(1), m.captured(2).toInt());
                constantLines.insert(m.captured(1), i + 1);
            }
            if (const auto m = kListFunction.match(code); m.hasMatch())
                listCalls.append(QRegularExpression(QStringLiteral(R"(\b%1\s*\((?:\s*\w+\s*,)?\s*\{([\d\s,]*)\})")
                                                        .arg(QRegularExpression::escape(m.captured(1)))));
        }
    }

    // A constant named ...Line that no other table is indexed with names a
    // text line even where the code passes it on before the text is read.
    void collectLineConstants()
    {
        for (auto it = constants.cbegin(); it != constants.cend(); ++it)
            if (kLineConstantName.match(it.key()).hasMatch() && !otherTableIndexes.contains(it.key()))
                addConstant(it.key());
    }

    void collectUses()
    {
        bool inCaptionTable = false;
        for (int i = 0; i < lines.size(); ++i) {
            const QString code = withoutLineComment(lines[i]);
            inCaptionTable = inCaptionTable || kCaptionTableStart.match(code).hasMatch();
            if (inCaptionTable) {
                for (auto it = kCaptionPair.globalMatch(code); it.hasNext();)
                    add(it.next().captured(1).toInt(), i);
                inCaptionTable = !code.contains(QLatin1String("};"));
            }
            for (auto it = kTableIndex.globalMatch(code); it.hasNext();)
                addNumbersAndConstants(it.next().captured(1), i);
            for (auto it = kBytesCall.globalMatch(code); it.hasNext();)
                addNumbersAndConstants(it.next().captured(1), i);
            for (auto it = kOtherTableIndex.globalMatch(code); it.hasNext();) {
                const auto m = it.next();
                if (!isTextTable(m.captured(1)))
                    otherTableIndexes.insert(m.captured(2));
            }
            for (const QRegularExpression& call : std::as_const(listCalls)) {
                for (auto it = call.globalMatch(code); it.hasNext();)
                    addNumbersAndConstants(it.next().captured(1), i);
            }
        }
    }
};

bool usesInterfaceTexts(const QString& contents)
{
    return contents.contains(QLatin1String("UiText")) || contents.contains(QLatin1String("uiText"));
}

} // namespace

QList<UiTextUse> scanUiTextUsesInFile(const QString& relativePath, const QString& contents)
{
    if (!usesInterfaceTexts(contents))
        return {};
    FileScan scan;
    scan.path = relativePath;
    scan.lines = contents.split(QLatin1Char('\n'));
    scan.collectDeclarations();
    scan.collectUses();
    scan.collectLineConstants();
    return scan.uses;
}

QList<UiTextUse> scanUiTextUses(const QString& sourceRoot)
{
    QList<UiTextUse> uses;
    const QDir root(sourceRoot);
    QDirIterator it(sourceRoot, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        uses += scanUiTextUsesInFile(root.relativeFilePath(path), QString::fromUtf8(file.readAll()));
    }
    std::stable_sort(uses.begin(), uses.end(), [](const UiTextUse& a, const UiTextUse& b) {
        return std::tie(a.line, a.file, a.fileLine) < std::tie(b.line, b.file, b.fileLine);
    });
    return uses;
}

QString uiTextUsesMarkdown(const QList<UiTextUse>& uses, const QStringList& castilianLines)
{
    QString text;
    QTextStream out(&text);
    out << "# Interface text lines used by the code\n\n"
           "Generated by `trazela-edition uses`; do not edit.\n\n"
           "| Line | Max | Castilian text | Used at |\n|---:|---:|---|---|\n";
    for (qsizetype i = 0; i < uses.size();) {
        const int line = uses[i].line;
        QStringList places;
        for (; i < uses.size() && uses[i].line == line; ++i)
            places << QStringLiteral("`%1:%2` `%3`")
                          .arg(uses[i].file)
                          .arg(uses[i].fileLine)
                          .arg(uses[i].code.left(90).replace(QLatin1Char('|'), QLatin1String("\\|")));
        const QString castilian = line >= 1 && line <= castilianLines.size() ? castilianLines[line - 1] : QString();
        out << "| " << line << " | " << UiText::maximum(line) << " | "
            << QString(castilian).replace(QLatin1Char('|'), QLatin1String("\\|")) << " | "
            << places.join(QLatin1String("<br>")) << " |\n";
    }
    return text;
}

#pragma once

#include <QList>
#include <QString>

// Where the program's code uses each interface text line. A use is a line
// number written in a file that works with UiText:
//   - inside the brackets of a text table: uiText[523], t[cond ? 82 : 222];
//   - a named constant used there: constexpr int kRestartLine = 607; t[kRestartLine];
//   - any constant named ...Line (or ...Line2) that indexes no other table:
//     constexpr int kCanDoLine = 144; verdict.lines = {kCanDoLine};
//   - a list of numbers given to a function or lambda of the file that takes
//     std::initializer_list<int>: l({84, 306});
//   - the {control, N} pairs of a table named ...captions, ...texts or ...hints:
//     const std::pair<QPushButton*, int> captions[] = {{BotUni, 276}, ...};
//   - uiText.bytes(N), uiText.bytes(kFirstBranchLine + branch - 1).
struct UiTextUse {
    int line = 0;
    QString file; // relative to the scanned folder
    int fileLine = 0;
    QString code; // the source line, trimmed
};

// Every use in the .h/.cpp files under sourceRoot, by text line then file.
QList<UiTextUse> scanUiTextUses(const QString& sourceRoot);
QList<UiTextUse> scanUiTextUsesInFile(const QString& relativePath, const QString& contents);

// A Markdown cross-reference: for each line used, its maximum, its Castilian
// text and every place that uses it.
QString uiTextUsesMarkdown(const QList<UiTextUse>& uses, const QStringList& castilianLines);

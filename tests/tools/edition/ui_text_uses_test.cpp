#include "interface_texts.h"
#include "languages.h"
#include "ui_text_uses.h"

#include "data/ui_text.h"
#include "support/fixture_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

std::vector<int> linesIn(const char* code)
{
    std::vector<int> lines;
    for (const UiTextUse& use : scanUiTextUsesInFile(QStringLiteral("x.cpp"), QString::fromUtf8(code)))
        lines.push_back(use.line);
    return lines;
}

} // namespace

TEST(UiTextUses, RecognisesEveryWayTheCodeNamesALine)
{
    const struct {
        const char* code;
        std::vector<int> lines;
    } cases[] = {
        {"const UiText& t = s.uiText;\nlabel->setText(t[523]);", {523}},
        {"b = new QPushButton(store_.uiText[animated ? 82 : 222]);", {82, 222}},
        {"constexpr int kRestartLine = 607;\nvoid f(const UiText& t) { show(t[kRestartLine]); }", {607}},
        {"QString lines(const UiText& texts, std::initializer_list<int> numbers);\nx = lines(t, {8, 9});", {8, 9}},
        {"const UiText& t = u;\nconst auto l = [&t](std::initializer_list<int> n) { return j(t, n); };\nh = l({305, 301});",
         {305, 301}},
        {"auto b = store.uiText.bytes(48);", {48}},
        {"const UiText& t = u;\nconst std::pair<QPushButton*, int> captions[] = {\n  {BotUni, 276}, {BotReq, 277},\n};\n"
         "const int sizes[] = {{a, 3}};",
         {276, 277}},
        {"constexpr int kFirst = 515;\nauto b = store.uiText.bytes(kFirst + branch - 1);", {515}},
        {"constexpr int kCanDoLine = 144;\nconstexpr int kTitleLine = 30;\n// uiText\nv.lines = {kCanDoLine};\n"
         "x = store.itinerar[kTitleLine];",
         {144}},
        {"// t[12] in a comment\nconst UiText& t = u; // t[13]\nurl = \"http://x\"; a = t[14];", {14}},
        {"int counts[5]; counts[3] = 1; // uiText", {}},
        {"no texts here: t[5]", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesIn(c.code), c.lines) << c.code;
}

TEST(UiTextUses, TheCodeUsesOnlyLinesThatExistAndFitInEveryLanguage)
{
    FixtureFolder output;
    Diagnostics diagnostics;
    OutputFolder out(output.path(), diagnostics);
    compileInterfaceTexts(QStringLiteral(TRAZELA_EDITION_SOURCES), out, diagnostics);
    ASSERT_EQ(diagnostics.errors(), 0);

    const QList<UiTextUse> uses = scanUiTextUses(QStringLiteral(TRAZELA_PROGRAM_SOURCES));
    ASSERT_FALSE(uses.isEmpty());
    for (const Language& language : kLanguages) {
        QFile file(output.filePath(QLatin1String(language.folder) + QLatin1String("textos")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.name;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const UiTextUse& use : uses) {
            const QString where = QStringLiteral("%1:%2 line %3 (%4)")
                                      .arg(use.file)
                                      .arg(use.fileLine)
                                      .arg(use.line)
                                      .arg(QLatin1String(language.name));
            ASSERT_TRUE(use.line >= 1 && use.line < lines.size()) << where.toStdString();
            QByteArray text = lines[use.line - 1];
            while (text.endsWith('\r') || text.endsWith(' '))
                text.chop(1);
            EXPECT_FALSE(text.isEmpty()) << where.toStdString();
            EXPECT_GT(UiText::maximum(use.line), 0) << where.toStdString() << ": a line that is never shown";
            EXPECT_LE(text.size(), UiText::maximum(use.line)) << where.toStdString();
        }
    }
}

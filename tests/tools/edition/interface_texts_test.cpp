#include "interface_texts.h"

#include "data/ui_text.h"
#include "support/fixture_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Writes texts/NAME.txt as UTF-8 "N<TAB>text" lines.
void writeTexts(const FixtureFolder& sources, const char* name, const std::vector<std::pair<int, std::string>>& lines)
{
    QByteArray bytes = "# interface texts\n";
    for (const auto& [n, text] : lines)
        bytes += QByteArray::number(n) + '\t' + QByteArray::fromStdString(text) + '\n';
    sources.writeBytes(QStringLiteral("texts/%1.txt").arg(QLatin1String(name)), bytes);
}

std::vector<std::pair<int, std::string>> completeCastilian()
{
    std::vector<std::pair<int, std::string>> lines;
    for (int n = 1; n <= 749; ++n)
        lines.emplace_back(n, n == 1 ? "Texto 1" : "x");
    lines[48].second = "¿Salir del programa?";
    return lines;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InterfaceTexts : public ::testing::Test {
protected:
    Diagnostics compile()
    {
        Diagnostics diagnostics;
        OutputFolder out(output.path(), diagnostics);
        compileInterfaceTexts(sources.path(), out, diagnostics);
        return diagnostics;
    }

    FixtureFolder sources;
    FixtureFolder output;
};

} // namespace

TEST_F(InterfaceTexts, EveryLanguageGetsAllLinesWithCastilianFallback)
{
    writeTexts(sources, "cas", completeCastilian());
    writeTexts(sources, "galego", {{49, "Saír do programa?"}, {50, "  Sangrado"}});
    const Diagnostics diagnostics = compile();
    EXPECT_EQ(diagnostics.errors(), 0);

    const QByteArray galego = readFile(output.filePath("galego/textos"));
    const QList<QByteArray> lines = galego.split('\n');
    ASSERT_EQ(lines.size(), 750); // 749 lines, each ended by CR LF
    EXPECT_EQ(lines[0], "Texto 1\r");
    EXPECT_EQ(lines[48], "Sa\xEDr do programa?\r");
    EXPECT_EQ(lines[49], "  Sangrado\r");
    EXPECT_EQ(readFile(output.filePath("euskera/textos")), readFile(output.filePath("cas/textos")));
    EXPECT_TRUE(readFile(output.filePath("cas/textos")).contains("\xBFSalir del programa?\r\n"));

    bool aborted = false;
    UiText ui;
    ASSERT_TRUE(ui.load(LoadContext(output.path(), aborted), "galego/textos"));
    EXPECT_EQ(ui[49], QString::fromUtf8("Saír do programa?"));
}

TEST_F(InterfaceTexts, SourceProblemsAreReported)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> catalan;
        int errors;
        int warnings;
    };
    for (const Case& c : {
             Case{"too long for its maximum", {{2, "Massa llarg"}}, 0, 1},
             Case{"too long for the table", {{1, std::string(80, 'x')}}, 1, 0},
             Case{"outside Windows-1252", {{3, "Ω"}}, 1, 0},
             Case{"given twice", {{3, "a"}, {3, "b"}}, 1, 0},
             Case{"out of order", {{5, "a"}, {4, "b"}}, 1, 0},
             Case{"no such line", {{750, "a"}}, 1, 0},
         }) {
        writeTexts(sources, "cas", completeCastilian());
        writeTexts(sources, "catVal", c.catalan);
        const Diagnostics diagnostics = compile();
        EXPECT_EQ(diagnostics.errors(), c.errors) << c.what;
        EXPECT_EQ(diagnostics.warnings(), c.warnings) << c.what;
    }
}

TEST_F(InterfaceTexts, CastilianMustBeComplete)
{
    auto lines = completeCastilian();
    lines.erase(lines.begin() + 100);
    writeTexts(sources, "cas", lines);
    EXPECT_EQ(compile().errors(), 1);
}

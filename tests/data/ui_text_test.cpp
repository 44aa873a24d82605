#include "data/ui_text.h"

#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

TEST(UiText, StoresLinesWithoutTrailingBlanksAndCutsEachUse)
{
    FixtureFolder folder;
    RecordingMessages messages;
    std::vector<std::string> lines(749, "x");
    lines[0] = "Palabra   ";
    lines[1] = "  Sangrado";
    lines[2] = std::string(80, 'a');
    lines[48] = "¿Salir del programa?";
    lines[5] = "Una línea bastante larga";
    folder.writeLines("cas/textos", lines);

    UiText ui;
    ASSERT_TRUE(ui.load(folder.context(), "cas/textos"));
    EXPECT_EQ(ui.count(), 749);
    EXPECT_EQ(ui.path(), "cas/textos");
    EXPECT_EQ(ui.bytes(1), "Palabra");
    EXPECT_EQ(ui.bytes(2), "  Sang");          // maximum 6
    EXPECT_EQ(ui.bytes(3), std::string(25, 'a')); // maximum 25, stored 75
    EXPECT_EQ(ui[49], QString::fromUtf8("¿Salir del programa?"));
    EXPECT_EQ(ui[6], QString::fromUtf8("Una línea "));   // maximum 10
    EXPECT_EQ(ui[0], "");
    EXPECT_EQ(ui[1101], "");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(UiText, MaximumsFollowTheLineTable)
{
    struct Case {
        int line;
        int maximum;
    };
    for (const Case& c : {Case{1, 75}, Case{2, 6}, Case{49, 25}, Case{142, 45}, Case{163, 75}, Case{172, 75},
                          Case{188, 2}, Case{554, 75}, Case{670, 2}, Case{711, 60}, Case{749, 45}, Case{750, 75}})
        EXPECT_EQ(UiText::maximum(c.line), c.maximum) << c.line;
}

TEST(UiText, MissingFileIsReported)
{
    FixtureFolder folder;
    RecordingMessages messages;
    UiText ui;
    EXPECT_FALSE(ui.load(folder.context(), "galego/textos"));
    EXPECT_EQ(messages.shown, QStringList{"Faltan ficheros (galego/textos). Vuelva a instalar el programa"});
    EXPECT_TRUE(folder.aborted);
}

TEST(UiText, LinesPastTheTableAreNotStored)
{
    FixtureFolder folder;
    folder.writeLines("textos", std::vector<std::string>(1200, "t"));
    UiText ui;
    ASSERT_TRUE(ui.load(folder.context(), "textos"));
    EXPECT_EQ(ui.count(), 1100);
}

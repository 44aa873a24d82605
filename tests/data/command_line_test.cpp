#include "data/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, OverridesAnimationAndLanguageForOneRun)
{
    struct Case {
        QStringList arguments;
        bool animation;
        const char* folder;
        bool nonCastilian;
    };
    // Stored settings: Catalan (code 1), animation on.
    for (const Case& c : {
             Case{{}, true, "catVal/", true},
             Case{{"N"}, false, "catVal/", true},
             Case{{"S", "0"}, true, "cas/", false},
             Case{{"N", "2"}, false, "galego/", true},
             Case{{"n", "3"}, true, "euskera/", true},
             Case{{"s"}, true, "catVal/", true},
             Case{{"", "2"}, true, "catVal/", true},
             Case{{"N", "x"}, false, "catVal/", true},
             Case{{"N", "7"}, false, "catVal/", true},
             Case{{"N", "-1"}, false, "catVal/", false},
         }) {
        RunState state;
        state.languageCode = 1;
        state.languageFolder = "catVal/";
        state.nonCastilian = true;
        applyCommandLine(c.arguments, state);
        EXPECT_EQ(state.animationEnabled, c.animation) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(state.languageFolder, c.folder) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(state.nonCastilian, c.nonCastilian) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(state.languageCode, 1);
        EXPECT_TRUE(state.savedAnimation);
    }
}

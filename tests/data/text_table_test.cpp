#include "data/text_table.h"

#include <gtest/gtest.h>

TEST(FillRule, PadsAndCutsToTheWidth)
{
    struct Case {
        std::string line;
        int width;
        std::string expected;
    };
    const std::string twelve = "Informática.";
    for (const Case& c : {
             Case{"abcdefghijkl", 60, "abcdefghijkl" + std::string(48, ' ')},
             Case{"", 60, std::string(59, ' ')},
             Case{std::string(70, 'x'), 90, std::string(70, 'x') + std::string(20, ' ')},
             Case{std::string(95, 'y'), 90, std::string(90, 'y')},
             Case{"a", 90, "a" + std::string(80, ' ')},
             Case{"", 90, std::string(80, ' ')},
             Case{"abc", 1, "a"},
         })
        EXPECT_EQ(text::fill(c.line, c.width), c.expected) << c.line << " / " << c.width;
}

TEST(TextTable, CutsToItsSlotSizeAndIgnoresSlotsOutside)
{
    TextTable table(5, 3);
    table.set(1, "abcdefgh");
    table.set(3, "outside");
    table.set(-1, "outside");
    EXPECT_EQ(table[1], "abcde");
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[-1], "");
}

TEST(ParseInteger, AcceptsDecimalNumbersWithBlanksOnly)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    for (const Case& c : {Case{"12", true, 12}, Case{" 5", true, 5}, Case{"5 ", true, 5}, Case{"-3", true, -3},
                          Case{"+7", true, 7}, Case{"ab", false, 0}, Case{"1a", false, 0}, Case{"  ", false, 0},
                          Case{"", false, 0}, Case{"99999999999", false, 0}, Case{"+-2", false, 0}}) {
        int value = 0;
        EXPECT_EQ(text::parseInteger(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(Columns, TakesWhatTheLineHas)
{
    EXPECT_EQ(text::columns("abcdef", 3, 2), "cd");
    EXPECT_EQ(text::columns("abcdef", 5, 10), "ef");
    EXPECT_EQ(text::columns("ab", 5, 2), "");
    EXPECT_EQ(text::from("abcdef", 4), "def");
    EXPECT_EQ(text::from("abc", 9), "");
    EXPECT_EQ(text::trimRight("  a b  "), "  a b");
    EXPECT_TRUE(text::isBlank("   "));
}

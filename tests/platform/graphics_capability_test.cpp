#include "platform/graphics_capability.h"

#include <gtest/gtest.h>

TEST(GraphicsCapability, VersionIsTheFourthCharacter)
{
    struct Case {
        const char* text;
        int version;
    };
    for (const Case& c : {Case{"4.09.00.0904", 9}, Case{"4.08.01.0881", 8}, Case{"4.06.02.0436", 6},
                          Case{"4.0x.00", 0}, Case{"4.0", 0}, Case{"", 0}})
        EXPECT_EQ(graphics::versionFromString(QString::fromLatin1(c.text)), c.version) << c.text;
}

TEST(GraphicsCapability, HeadlessPlatformCannotShowTheWorld)
{
    EXPECT_LT(graphics::graphicsVersion(), graphics::kWorldMinimumVersion);
}

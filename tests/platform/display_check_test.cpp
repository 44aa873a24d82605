#include "platform/display_check.h"
#include "platform/processor_speed.h"

#include <gtest/gtest.h>

TEST(DisplayCheck, MenuAndWorldAskOnDifferentDisplays)
{
    using display_check::Context;
    struct Case {
        int width, height, depth;
        bool menu, world;
    };
    for (const Case& c : {Case{1280, 1024, 32, false, true}, Case{800, 600, 16, false, true},
                          Case{800, 600, 8, true, true}, Case{1024, 768, 16, false, false},
                          Case{1024, 768, 8, false, true}}) {
        EXPECT_EQ(display_check::wouldAsk(Context::Menu, c.width, c.height, c.depth), c.menu) << c.width;
        EXPECT_EQ(display_check::wouldAsk(Context::World, c.width, c.height, c.depth), c.world) << c.width;
    }
}

#if defined(__x86_64__) || defined(__i386__)
TEST(ProcessorSpeed, CountsTheTimeStampCounter)
{
    EXPECT_GT(processorSpeedMHz(20), 100);
}
#endif

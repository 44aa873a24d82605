#include "app/main_menu_doors.h"

#include <gtest/gtest.h>
#include <vector>

using namespace menu_doors;

TEST(MenuDoors, LowerRowDoorsZoomFromTheirColumnAtTop305)
{
    struct Case {
        int door;
        int column;
        int top;
    };
    for (const Case c : {Case{1, 1, 0}, Case{6, 6, 0}, Case{7, 2, 305}, Case{8, 3, 305}, Case{11, 6, 305}}) {
        EXPECT_EQ(column(c.door), c.column) << "door " << c.door;
        EXPECT_EQ(zoomTop(c.door), c.top) << "door " << c.door;
    }
}

TEST(MenuDoors, ZoomRectangleGrowsByHalfTheStepOnEachSideWithIntegerHalving)
{
    // Door 8, step 15: from (2 * 174 - 7, 305) to (3 * 174 + 7, 305 + 399 + 15).
    EXPECT_EQ(zoomRect(8, 15), QRect(QPoint(341, 305), QSize(188, 414)));
    EXPECT_EQ(zoomRect(1, 5), QRect(QPoint(-2, 0), QSize(178, 404)));
    EXPECT_EQ(zoomRect(6, 105), QRect(QPoint(870 - 52, 0), QSize(174 + 104, 504)));
}

TEST(MenuDoors, DoorPointAndOpeningFramesRiseTenPixelsPerStep)
{
    EXPECT_EQ(doorPoint(3, 400), QPoint(404, 170));
    EXPECT_EQ(doorPoint(8, 398), QPoint(402, 510));
    std::vector<int> ys;
    for (int step = 0; step < kDoorFrames; ++step)
        ys.push_back(openingFramePosition(doorPoint(9, 0), step).y());
    EXPECT_EQ(ys, (std::vector<int>{510, 500, 490, 480, 470}));
}

TEST(MenuDoors, ZoomDrawsUntilTheStepPasses100ThenActs)
{
    // After the five opening frames the step is 5: ten drawing ticks, then the action.
    std::vector<int> drawn;
    int step = kDoorFrames;
    while (const auto next = zoomTick(step))
        drawn.push_back(step = *next);
    EXPECT_EQ(drawn, (std::vector<int>{15, 25, 35, 45, 55, 65, 75, 85, 95, 105}));
    EXPECT_FALSE(zoomTick(kImmediateStep)) << "a door used from the world acts on the first tick";
    EXPECT_FALSE(zoomTick(100));
}

TEST(MenuDoors, OpenDoorFramesCoverTheDoorsOfBothRows)
{
    // The last opening frame of a door lies at the same place in its tile in
    // both rows, and the labels put the door point on the tile's door.
    for (int door = 1; door <= kDoorCount; ++door) {
        const bool lower = isLowerRow(door);
        const QPoint open = openingFramePosition(doorPoint(door, labelLeft(door)), kDoorFrames - 1);
        EXPECT_EQ(open - QPoint((column(door) - 1) * kTileSize.width(), rowTop(lower)), QPoint(59, 130))
            << "door " << door;
    }
}

TEST(MenuDoors, GuideHelpPanelAndOrderOfLeaving)
{
    EXPECT_EQ(guidePosition(0), QPoint(100, 235));
    EXPECT_EQ(guidePosition(kGuideFrames), QPoint(164, 235));

    std::vector<std::pair<int, std::optional<HelpLine>>> ticks;
    for (int k = 0; k <= kHelpTicks; ++k)
        ticks.emplace_back(k, helpLineAt(k));
    const std::vector<std::pair<int, std::optional<HelpLine>>> expected = {
        {0, HelpLine{1, 14}}, {1, HelpLine{2, 15}}, {2, std::nullopt}, {3, HelpLine{3, 16}}, {4, std::nullopt},
        {5, HelpLine{4, 17}}, {6, std::nullopt},    {7, HelpLine{5, 18}}, {8, std::nullopt}};
    EXPECT_EQ(ticks, expected);

    std::vector<int> hideFirst;
    for (int door = 1; door <= kDoorCount; ++door)
        if (hidesMenuFirst(door))
            hideFirst.push_back(door);
    EXPECT_EQ(hideFirst, (std::vector<int>{4, 5, 6, 9, 11}));
}

TEST(MenuDoors, FontsShrinkOnDenseScreens)
{
    EXPECT_EQ(fontSizeDelta(96), 0);
    EXPECT_EQ(fontSizeDelta(100), 0);
    EXPECT_EQ(fontSizeDelta(101), -2);
}

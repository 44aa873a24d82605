#include "data/map_regions.h"

#include "data/text_table.h"

#include <gtest/gtest.h>

TEST(MapRegions, PointsOutsideAMapHaveNoRegion)
{
    RegionGrids grids;
    grids.communities.set(281, 196, 19);
    grids.communities.set(1, 5, 3);
    grids.madrid.set(281, 220, 28);
    EXPECT_EQ(regionAt(grids, MapKind::Communities, 281, 196), 19);
    EXPECT_EQ(regionAt(grids, MapKind::Communities, 1, 5), 3);
    EXPECT_EQ(regionAt(grids, MapKind::Communities, 0, 5), 0);
    EXPECT_EQ(regionAt(grids, MapKind::Communities, 282, 5), 0);
    EXPECT_EQ(regionAt(grids, MapKind::Communities, 5, 197), 0);
    EXPECT_EQ(regionAt(grids, MapKind::Madrid, 281, 220), 28);
    EXPECT_EQ(regionAt(grids, MapKind::Catalonia, 281, 221), 0);
    EXPECT_EQ(regionCount(MapKind::Catalonia), 41);
}

TEST(MapRegions, StarsAndCentreCodesByNumber)
{
    EXPECT_EQ(starPosition(1), QPoint(102, 141));
    EXPECT_EQ(starPosition(19), QPoint(136, 174));
    EXPECT_EQ(starPosition(20), QPoint());
    EXPECT_EQ(centre_codes::code(1), "37");
    EXPECT_EQ(centre_codes::code(16), "2E");
    EXPECT_EQ(centre_codes::code(64), "32");
    EXPECT_EQ(centre_codes::code(65), "");
    EXPECT_EQ(centre_codes::centreTable(34), 4);
    EXPECT_EQ(centre_codes::centreTable(0), 0);
}

TEST(FillString, GivesOneLessThanAskedUpToEighty)
{
    EXPECT_EQ(text::fillString(1), "");
    EXPECT_EQ(text::fillString(0), "");
    EXPECT_EQ(text::fillString(5, '-'), "----");
    EXPECT_EQ(text::fillString(100).size(), 80u);
}

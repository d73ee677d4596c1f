// The shrunken-rectangle test and the terrain colour scan.
#include <vector>

#include "graphics/collision.h"
#include "graphics/display.h"
#include "gtest/gtest.h"

TEST(RectsOverlap, BoxesKeepTheTopLeftCornerAndMustOverlapStrictly)
{
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, 29, 0, 40, 48), 1);
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, 30, 0, 40, 48), 0);
    EXPECT_EQ(RectsOverlap(29, 0, 40, 48, 0, 0, 40, 48), 1) << "symmetric";
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, -30, 0, 40, 48), 0);
    // 48 high: half-height 24 - 6 = 18, so 35 apart still overlaps, 36 not.
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, 0, 35, 40, 48), 1);
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, 0, 36, 40, 48), 0);
    EXPECT_EQ(RectsOverlap(0, 0, 40, 48, 0, -36, 40, 48), 0);
    // A narrow rectangle inside the right quarter of a wide one misses it.
    EXPECT_EQ(RectsOverlap(0, 0, 128, 64, 110, 10, 8, 8), 0);
    EXPECT_EQ(RectsOverlap(0, 0, 128, 64, 40, 10, 8, 8), 1);
    EXPECT_EQ(RectsOverlap(5, 5, 1, 1, 5, 5, 1, 1), 0) << "a 1-pixel box has no size";
}

TEST(ScanColourRange, FindsIndicesInTheInclusiveRangeOnly)
{
    std::vector<unsigned char> screen(640 * 480, 0);
    const int pitch = 640;
    EXPECT_EQ(ScanColourRange(0, 0, 639, 479, 197, 230, screen.data(), pitch), 0);
    EXPECT_EQ(ScanColourRange(0, 0, 639, 479, 0, 0, screen.data(), pitch), 1);
    screen[100 * pitch + 50] = 196;
    screen[100 * pitch + 60] = 231;
    EXPECT_EQ(ScanColourRange(0, 0, 639, 479, 197, 230, screen.data(), pitch), 0);
    screen[100 * pitch + 70] = 197;
    EXPECT_EQ(ScanColourRange(70, 100, 70, 100, 197, 230, screen.data(), pitch), 1);
    EXPECT_EQ(ScanColourRange(71, 100, 80, 110, 197, 230, screen.data(), pitch), 0);
    screen[100 * pitch + 70] = 230;
    EXPECT_EQ(ScanColourRange(60, 90, 70, 100, 197, 230, screen.data(), pitch), 1);
    EXPECT_EQ(ScanColourRange(60, 101, 70, 100, 197, 230, screen.data(), pitch), 0) << "top > bottom";
    EXPECT_EQ(ScanColourRange(75, 100, 65, 100, 197, 230, screen.data(), pitch), 0) << "left > right";
}

TEST(ScanColourRange, RectanglesOffTheScreenAreClampedOntoItsEdges)
{
    std::vector<unsigned char> screen(640 * 480, 0);
    const int pitch = 640;
    screen[200 * pitch + 0] = 210;
    EXPECT_EQ(ScanColourRange(-50, 190, -10, 210, 197, 230, screen.data(), pitch), 1)
        << "wholly left of the screen scans column 0";
    screen[479 * pitch + 300] = 210;
    EXPECT_EQ(ScanColourRange(290, 600, 310, 700, 197, 230, screen.data(), pitch), 1)
        << "wholly below scans the last row";
    screen[0 * pitch + 639] = 210;
    EXPECT_EQ(ScanColourRange(700, -40, 900, -1, 197, 230, screen.data(), pitch), 1);
    EXPECT_EQ(ScanColourRange(1, 1, 638, 478, 197, 230, screen.data(), pitch), 0);
    EXPECT_EQ(ScanColourRange(0, 0, 639, 479, 197, 230, nullptr, pitch), 0);
}

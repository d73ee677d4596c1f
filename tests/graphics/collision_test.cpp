// The terrain colour scan, inside the rectangle and never outside the
// screen. The shrunken-rectangle test of actors is pinned by the demos.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/collision.h"

TEST(ScanColourRange, FindsTheInclusiveRangeInsideTheRectangleClampedToTheScreen)
{
    std::vector<unsigned char> screen(640 * 480, 0);
    screen[100 * 640 + 50] = 196;
    screen[100 * 640 + 60] = 231;
    screen[100 * 640 + 70] = 197;
    screen[110 * 640 + 70] = 230;
    screen[200 * 640 + 0] = 210;
    screen[479 * 640 + 300] = 210;
    screen[0 * 640 + 639] = 210;
    // Left, top, right, bottom, and whether a colour in 197 to 230 lies inside.
    const int cases[][5] = {
        {40, 90, 69, 109, 0},   {70, 100, 70, 100, 1}, {60, 110, 70, 120, 1}, {60, 101, 70, 100, 0},
        {-50, 190, -10, 210, 1}, {290, 600, 310, 700, 1}, {700, -40, 900, -1, 1}, {1, 111, 638, 478, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanColourRange(c[0], c[1], c[2], c[3], 197, 230, screen.data(), 640), c[4])
            << c[0] << "," << c[1] << " to " << c[2] << "," << c[3];
    }
    EXPECT_EQ(ScanColourRange(0, 0, 639, 479, 197, 230, nullptr, 640), 0);
}

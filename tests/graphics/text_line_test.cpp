// A line of text over its box: the box's reach about the text, the text on top.
#include "graphics/text_line.h"
#include "graphics_fixture.h"

namespace {

using TextLineTest = GraphicsTest;

constexpr int BACKGROUND = 200;
constexpr int BOX = 7;

}  // namespace

TEST_F(TextLineTest, TheBoxReachesTwiceItsMarginToTheSidesAndItsMarginAboveAndBelowWithTheTextOnTop)
{
    FillSurface(back_surface, BACKGROUND, nullptr);
    // "ABC" covers x 100 to 123 and y 50 to 65; the box, x 92 to 131 and y 46 to 69.
    DrawBoxedText("ABC", 100, 50, TEXT_WHITE, BOX, 4);
    const struct {
        int x, y, index;
    } probes[] = {
        {92, 46, BOX}, {131, 46, BOX}, {92, 69, BOX}, {131, 69, BOX},
        {91, 46, BACKGROUND}, {92, 45, BACKGROUND}, {132, 69, BACKGROUND}, {131, 70, BACKGROUND},
    };
    for (const auto& probe : probes) {
        EXPECT_EQ(BackPixel(probe.x, probe.y), probe.index) << probe.x << ", " << probe.y;
    }
    int glyph_pixels = 0;
    for (int y = 50; y < 66; ++y) {
        for (int x = 100; x < 124; ++x) glyph_pixels += BackPixel(x, y) != BOX;
    }
    EXPECT_GT(glyph_pixels, 0);
}

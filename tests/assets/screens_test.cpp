// The palette's fixed colours, the panel's see-through parts and readable
// text lines, and the end screens' place for the score.
#include <gtest/gtest.h>

#include "tests/assets/asset_files.h"

namespace {

int Nearest(const std::vector<std::array<int, 4>>& pal, int r, int g, int b) {
    int best = 0;
    long best_d = -1;
    for (int i = 0; i < 256; ++i) {
        long dr = pal[size_t(i)][0] - r, dg = pal[size_t(i)][1] - g, db = pal[size_t(i)][2] - b;
        long d = dr * dr + dg * dg + db * db;
        if (best_d < 0 || d < best_d) best_d = d, best = i;
    }
    return best;
}

}  // namespace

TEST(Screens, PaletteHasBlackWhiteAndTheWholeLowFuelPulse) {
    std::vector<std::array<int, 4>> pal = ReadPaletteFile();
    ASSERT_EQ(pal.size(), 256u);
    EXPECT_EQ(pal[0][0] + pal[0][1] + pal[0][2], 0);
    int white = Nearest(pal, 255, 255, 255);
    EXPECT_EQ(pal[size_t(white)][0] + pal[size_t(white)][1] + pal[size_t(white)][2], 3 * 255);
    // Every step of the pulse, red 255 with green = blue = 0, 15 .. 255,
    // has its own exact colour, so the pulse runs smoothly.
    int previous = -1;
    for (int k = 0; k <= 255; k += 15) {
        int i = Nearest(pal, 255, k, k);
        EXPECT_EQ(pal[size_t(i)][0], 255);
        EXPECT_EQ(pal[size_t(i)][1], k);
        EXPECT_EQ(pal[size_t(i)][2], k);
        EXPECT_NE(i, previous);
        previous = i;
    }
}

TEST(Screens, PanelShowsTheSceneThroughIndexOneButNotBehindItsText) {
    Picture sheet;
    ASSERT_TRUE(LoadPicture("art/info.bmp", &sheet));
    Picture panel = Cell(sheet, 0, 0, 640, 32);
    int see_through = 0;
    for (uint8_t p : panel.pixels) see_through += p == 1;
    EXPECT_GT(see_through, 0);
    // The four lines at screen y 460 (panel y 12), 16 pixels high: score
    // from x 15, fuel ending at 350, ships from 470, level from 550.
    struct Line {
        int x0, x1;
    } lines[] = {{15, 135}, {270, 350}, {470, 534}, {550, 622}};
    for (const Line& l : lines)
        for (int y = 12; y < 28; ++y)
            for (int x = l.x0; x < l.x1; ++x) {
                int p = panel.At(x, y);
                ASSERT_NE(p, 1) << x << "," << y;
                ASSERT_LT(Brightness(panel.palette[size_t(p)]), 60) << "white text unreadable at " << x << "," << y;
            }
}

TEST(Screens, EndScreensLeaveThePlaceOfTheScorePlainAndDark) {
    for (const char* name : {"menuart/game_finish_screen.bmp", "menuart/game_over_screen.bmp"}) {
        SCOPED_TRACE(name);
        Picture screen;
        ASSERT_TRUE(LoadPicture(name, &screen));
        int colour = screen.At(316, 340);
        for (int y = 340; y <= 356; ++y)
            for (int x = 316; x <= 380; ++x) ASSERT_EQ(screen.At(x, y), colour) << x << "," << y;
        EXPECT_LT(Brightness(screen.palette[size_t(colour)]), 60);
    }
}

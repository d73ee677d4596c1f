// The heads-up display as the screen shows it: the panel, the four lines,
// and the fuel line's pulse when the tank runs low.
#include "app/hud.h"
#include "game/craft.h"
#include "graphics/bitmap.h"
#include "platform/headless/headless_video.h"
#include "play_fixture.h"
#include "shown_text.h"

TEST_F(PlayTest, PanelShowsScoreFuelShipsAndLevel)
{
    StartGame();
    ClearAllEnemies();
    Frame();
    EXPECT_TRUE(ShowsText("SCORE  00000000", 15, 460, IsWhite));
    EXPECT_TRUE(ShowsText("FUEL  100%", 270, 460, IsWhite));
    EXPECT_TRUE(ShowsText("SHIPS  3", 470, 460, IsWhite));
    EXPECT_TRUE(ShowsText("LEVEL  1", 550, 460, IsWhite));
    EXPECT_FALSE(ShowsText("FUEL  99%", 278, 460, IsWhite));

    score = 300;
    lives = 0;
    level = 9;
    fuel = 201;
    Frame();
    EXPECT_TRUE(ShowsText("SCORE  00000300", 15, 460, IsWhite));
    EXPECT_TRUE(ShowsText("FUEL  20%", 278, 460, IsWhite));
    EXPECT_TRUE(ShowsText("SHIPS  0", 470, 460, IsWhite));
    EXPECT_TRUE(ShowsText("LEVEL  10", 550, 460, IsWhite));

    fuel = 9;
    const int blink = fuel_blink;
    Frame();
    EXPECT_TRUE(ShowsText("FUEL  0%", 286, 460, IsPulse, blink));
}

TEST_F(PlayTest, PanelIsDrawnOverTheSceneAlongTheBottom)
{
    StartGame();
    Frame();
    const HeadlessFrame* shown = HeadlessLastFrame();
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "art/info.bmp"), 1);
    const int width = bitmap_file.info_header.biWidth;
    int opaque = 0;
    // The rows above and below the text: the panel's own pixels, except
    // where its see-through index lets the scene show.
    for (const int row : {448, 452, 456, 459, 476, 479}) {
        for (int x = 0; x < 640; ++x) {
            const unsigned char index =
                bitmap_file.buffer[(1 + row - 448) * width + 1 + x];
            if (index == 1) continue;
            ++opaque;
            ASSERT_EQ(shown->pixels[static_cast<std::size_t>(row * shown->width + x)], index)
                << x << "," << row;
        }
    }
    UnloadBitmapFile(&bitmap_file);
    EXPECT_GT(opaque, 0);
}

TEST_F(PlayTest, LowFuelLinePulsesFromRedToWhiteEveryEighteenFrames)
{
    StartGame();
    ClearAllEnemies();
    fuel = 201;
    Frame();
    EXPECT_TRUE(ShowsText("FUEL  20%", 278, 460, IsWhite));
    fuel = FUEL_LOW;
    // Find the pulse's start, whatever phase it had reached.
    while (fuel_blink != 0) Frame();
    for (int step = 0; step < 18; ++step) {
        ASSERT_EQ(fuel_blink, 15 * step);
        Frame();
        EXPECT_TRUE(ShowsText("FUEL  20%", 278, 460, IsPulse, 15 * step)) << "step " << step;
    }
    EXPECT_EQ(fuel_blink, 0);
    Frame();
    EXPECT_TRUE(ShowsText("FUEL  20%", 278, 460, IsPulse, 0));
}

TEST_F(PlayTest, FuelBelowEmptyShowsTheTruncatedPercentage)
{
    StartGame();
    ClearAllEnemies();
    fuel = -15;
    const int blink = fuel_blink;
    Frame();
    EXPECT_EQ(game_state, STATE_DYING);
    EXPECT_TRUE(ShowsText("FUEL  -1%", 278, 460, IsPulse, blink));
}

// The panel as the screen shows it: drawn over the scene along the bottom,
// its four lines, the fuel line's pulse when the tank runs low, and the
// score on the game-over screen.
#include "app/hud.h"
#include "graphics/bitmap.h"
#include "platform/headless/headless_video.h"
#include "play_fixture.h"
#include "shown_text.h"

TEST_F(PlayTest, PanelShowsScoreFuelShipsAndLevel)
{
    StartGame();
    struct Case {
        int score, fuel, lives, level;
        const char *score_text, *fuel_text, *ships, *level_text;
        int fuel_x;
    };
    const Case cases[] = {
        {0, 1000, 3, 0, "SCORE  00000000", "FUEL  100%", "SHIPS  3", "LEVEL  1", 270},
        {300, 201, 0, 9, "SCORE  00000300", "FUEL  20%", "SHIPS  0", "LEVEL  10", 278},
    };
    for (const Case& c : cases) {
        score = c.score;
        fuel = c.fuel;
        lives = c.lives;
        level = c.level;
        Frame();
        EXPECT_TRUE(ShowsText(c.score_text, 15, 460, IsWhite)) << c.score_text;
        EXPECT_TRUE(ShowsText(c.fuel_text, c.fuel_x, 460, IsWhite)) << c.fuel_text;
        EXPECT_TRUE(ShowsText(c.ships, 470, 460, IsWhite)) << c.ships;
        EXPECT_TRUE(ShowsText(c.level_text, 550, 460, IsWhite)) << c.level_text;
    }
    // Below 200 the line pulses, and below empty shows the truncated share.
    for (const int low : {9, -15}) {
        fuel = low;
        const int blink = fuel_blink;
        Frame();
        EXPECT_TRUE(ShowsText(low > 0 ? "FUEL  0%" : "FUEL  -1%", low > 0 ? 286 : 278, 460, IsPulse, blink));
    }
}

TEST_F(PlayTest, LowFuelLinePulsesFromRedToWhiteEveryEighteenFrames)
{
    StartGame();
    fuel = FUEL_LOW;
    // Find the pulse's start, whatever phase it had reached.
    while (fuel_blink != 0) Frame();
    for (int step = 0; step <= 18; ++step) {
        Frame();
        EXPECT_TRUE(ShowsText("FUEL  20%", 278, 460, IsPulse, 15 * (step % 18))) << "step " << step;
    }
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
            const unsigned char index = bitmap_file.buffer[(1 + row - 448) * width + 1 + x];
            if (index == 1) continue;
            ++opaque;
            ASSERT_EQ(shown->pixels[static_cast<std::size_t>(row * shown->width + x)], index) << x << "," << row;
        }
    }
    UnloadBitmapFile(&bitmap_file);
    EXPECT_GT(opaque, 0);
}

TEST_F(PlayTest, GameOverScreenShowsTheScore)
{
    score = 300;
    game_state = STATE_GAME_OVER;
    Frame();
    EXPECT_TRUE(ShowsText("00000300", 316, 340, IsWhite));
}

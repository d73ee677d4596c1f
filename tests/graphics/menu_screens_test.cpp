// The menu pictures as the running game shows them: the main screen's
// palette for all, black for a missing file, the score on the end screens,
// and the fade before quitting.
#include <filesystem>

#include "app/game_state.h"
#include "app/menu_screens.h"
#include "app/shell.h"
#include "graphics_fixture.h"
#include "input/key_codes.h"
#include "platform/font.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

namespace {

constexpr int WHITE = 250;

// Picture pixel (x, y) is 1 + (x / 40 + y / 40) mod 200; entry 0 is black
// and entry WHITE white.
BmpLayout MenuPicture(int shift)
{
    BmpLayout layout;
    layout.width = 640;
    layout.height = 480;
    layout.pixel = [shift](int x, int y) { return uint32_t(1 + (x / 40 + y / 40 + shift) % 200); };
    layout.colour = [shift](int i) -> PaletteEntry {
        if (i == 0) return {0, 0, 0, 0};
        if (i == WHITE) return {255, 255, 255, 0};
        return {uint8_t(i + shift), uint8_t(3 * i), uint8_t(200 - i / 2), 0};
    };
    return layout;
}

class MenuScreensTest : public GraphicsTest {
protected:
    MenuScreensTest() { start_display_ = false; }

    void SetUp() override
    {
        GraphicsTest::SetUp();
        std::filesystem::create_directories("menuart");
        WriteBmp("menuart/main_screen.bmp", MenuPicture(0));
        WriteBmp("menuart/game_over_screen.bmp", MenuPicture(7));
        HeadlessSetTicks(1000);
        AppStartUp();
    }

    void TearDown() override
    {
        AppShutDown();
        GraphicsTest::TearDown();
    }

    static void Frame(std::vector<int> keys = {})
    {
        HeadlessHoldKeys(keys.data(), static_cast<int>(keys.size()));
        AppFrame();
    }

    static int Shown(int x, int y) { return HeadlessLastFrame()->pixels[y * 640 + x]; }
};

}  // namespace

TEST_F(MenuScreensTest, MainMenuShowsThePictureInItsOwnPalette)
{
    Frame();
    const HeadlessFrame* frame = HeadlessLastFrame();
    ASSERT_NE(frame, nullptr);
    for (int y = 0; y < 480; y += 13) {
        for (int x = 0; x < 640; x += 11) {
            ASSERT_EQ(Shown(x, y), 1 + (x / 40 + y / 40) % 200) << x << "," << y;
        }
    }
    EXPECT_EQ(frame->palette[5].green, 15);
    EXPECT_EQ(menu_palette[5].blue, 198);
    EXPECT_EQ(menu_palette[5].flags, PC_NOCOLLAPSE);
}

TEST_F(MenuScreensTest, AScreenWhoseFileIsMissingShowsBlack)
{
    Frame({DIK_N});
    Frame();
    EXPECT_EQ(game_state, STATE_NEW_GAME_MENU);
    const HeadlessFrame* frame = HeadlessLastFrame();
    for (unsigned char v : frame->pixels) ASSERT_EQ(v, 0);
    EXPECT_EQ(frame->palette[0].red | frame->palette[0].green | frame->palette[0].blue, 0);
    EXPECT_EQ(frame->palette[5].green, 15) << "still the menu palette";
    EXPECT_EQ(new_game_screen.attr & IMAGE_LOADED, 0);
}

TEST_F(MenuScreensTest, EndScreenShowsItsPictureInTheMainPaletteWithTheScoreInWhite)
{
    score = 1234300;
    game_state = STATE_GAME_OVER;
    Frame();
    const HeadlessFrame* frame = HeadlessLastFrame();
    EXPECT_EQ(frame->palette[5].red, 5) << "the main screen's palette, not the file's own";
    EXPECT_EQ(Shown(10, 10), 1 + 7);
    // "01234300" ends at x 380: it starts at 316, on row 340.
    const char* text = "01234300";
    for (int i = 0; i < 8; ++i) {
        const unsigned char* glyph = PlatformGlyph(text[i]);
        for (int row = 0; row < FONT_HEIGHT; ++row) {
            for (int col = 0; col < FONT_WIDTH; ++col) {
                const int x = 316 + 8 * i + col;
                const int y = 340 + row;
                const int picture = 1 + (x / 40 + y / 40 + 7) % 200;
                ASSERT_EQ(Shown(x, y), (glyph[row] & (0x80 >> col)) ? WHITE : picture)
                    << text[i] << " " << col << "," << row;
            }
        }
    }
    EXPECT_EQ(Shown(380, 345), 1 + (380 / 40 + 345 / 40 + 7) % 200);
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

TEST_F(MenuScreensTest, EscapeFadesTheMenuToBlackThenClearsTheScreen)
{
    Frame();
    const int shown = HeadlessShownCount();
    Frame({DIK_ESCAPE});
    EXPECT_EQ(HeadlessShownCount(), shown) << "the frame that takes Escape draws nothing";
    const uint32_t start = HeadlessGetTicks();
    Frame();
    EXPECT_EQ(game_state, STATE_CLOSING);
    EXPECT_GE(HeadlessShownCount(), shown + 81) << "80 fade steps and the cleared screen";
    EXPECT_GE(HeadlessGetTicks() - start, 80u * 12u);
    const HeadlessFrame* frame = HeadlessLastFrame();
    for (unsigned char v : frame->pixels) ASSERT_EQ(v, 0);
    EXPECT_EQ(frame->palette[WHITE].red, 15);
    EXPECT_LE(frame->palette[100].green, 2);
}

TEST_F(MenuScreensTest, LevelCompletionFadesAndClearsBothSurfaces)
{
    Frame();
    level = 3;
    lives = 1;
    game_state = STATE_LEVEL_COMPLETE;
    const int shown = HeadlessShownCount();
    Frame();
    EXPECT_EQ(game_state, STATE_START_LIFE);
    EXPECT_EQ(lives, 2);
    EXPECT_GE(HeadlessShownCount(), shown + 81);
    for (unsigned char v : HeadlessLastFrame()->pixels) ASSERT_EQ(v, 0);
    EXPECT_EQ(BackPixel(320, 240), 0);
}

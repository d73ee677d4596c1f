// The menu pictures as the running game shows them: the main screen's
// palette for all, black for a missing file, and the fade to black before
// quitting or the next level.
#include <filesystem>

#include "app/game_state.h"
#include "app/shell.h"
#include "graphics_fixture.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

namespace {

constexpr int WHITE = 250;

// Picture pixel (x, y) is 1 + (x / 40 + y / 40 + shift) mod 200; entry 0
// is black and entry WHITE white.
int MenuPixel(int x, int y, int shift)
{
    return 1 + (x / 40 + y / 40 + shift) % 200;
}

BmpLayout MenuPicture(int shift)
{
    BmpLayout layout;
    layout.width = 640;
    layout.height = 480;
    layout.pixel = [shift](int x, int y) { return uint32_t(MenuPixel(x, y, shift)); };
    layout.colour = [shift](int i) -> PaletteEntry {
        if (i == WHITE) return {255, 255, 255, 0};
        return {uint8_t(i ? i + shift : 0), uint8_t(3 * i), uint8_t(i ? 200 - i / 2 : 0), 0};
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

    // 80 fade steps then the cleared screen, the palette faded on it.
    static void ExpectFadedAndCleared(int shown_before)
    {
        EXPECT_GE(HeadlessShownCount(), shown_before + 81);
        for (unsigned char v : HeadlessLastFrame()->pixels) ASSERT_EQ(v, 0);
        EXPECT_EQ(HeadlessLastFrame()->palette[WHITE].red, 15);
        EXPECT_EQ(BackPixel(320, 240), 0);
    }
};

}  // namespace

TEST_F(MenuScreensTest, MenusShowTheirPictureInTheMainScreensPaletteAndAMissingOneBlack)
{
    Frame();
    for (int y = 0; y < 480; y += 13) {
        for (int x = 0; x < 640; x += 11) ASSERT_EQ(Shown(x, y), MenuPixel(x, y, 0)) << x << "," << y;
    }
    EXPECT_EQ(HeadlessLastFrame()->palette[5].green, 15);
    EXPECT_EQ(HeadlessLastFrame()->palette[5].blue, 198);
    Frame({DIK_N});
    Frame();
    EXPECT_EQ(game_state, STATE_NEW_GAME_MENU);
    for (unsigned char v : HeadlessLastFrame()->pixels) ASSERT_EQ(v, 0);
    EXPECT_EQ(HeadlessLastFrame()->palette[5].green, 15) << "still the menu palette";
    game_state = STATE_GAME_OVER;
    Frame();
    EXPECT_EQ(Shown(10, 10), MenuPixel(10, 10, 7));
    EXPECT_EQ(HeadlessLastFrame()->palette[5].red, 5) << "the main screen's palette, not the file's own";
}

TEST_F(MenuScreensTest, EscapeOnTheMenuFadesToBlackAndClearsTheScreen)
{
    Frame();
    const int shown = HeadlessShownCount();
    Frame({DIK_ESCAPE});
    Frame();
    EXPECT_EQ(game_state, STATE_CLOSING);
    ExpectFadedAndCleared(shown);
}

TEST_F(MenuScreensTest, CompletedLevelFadesToBlackAndClearsTheScreen)
{
    Frame();
    level = 3;
    game_state = STATE_LEVEL_COMPLETE;
    const int shown = HeadlessShownCount();
    Frame();
    EXPECT_EQ(game_state, STATE_START_LIFE);
    ExpectFadedAndCleared(shown);
}

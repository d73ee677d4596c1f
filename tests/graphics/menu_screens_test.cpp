// The menu pictures as the running game shows them, all in the main
// screen's palette.
#include <filesystem>

#include "app/game_state.h"
#include "app/shell.h"
#include "graphics_fixture.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

namespace {

// Picture pixel (x, y) is 1 + (x / 40 + y / 40 + shift) mod 200, and its
// palette entry i red i + shift.
BmpLayout MenuPicture(int shift)
{
    BmpLayout layout;
    layout.width = 640;
    layout.height = 480;
    layout.pixel = [shift](int x, int y) { return uint32_t(1 + (x / 40 + y / 40 + shift) % 200); };
    layout.colour = [shift](int i) { return PaletteEntry{uint8_t(i + shift), uint8_t(3 * i), 9, 0}; };
    return layout;
}

using MenuScreensTest = GraphicsTest;

}  // namespace

TEST_F(MenuScreensTest, MenusShowTheirPictureInTheMainScreensPalette)
{
    StopDisplay();
    std::filesystem::create_directories("menuart");
    WriteBmp("menuart/main_screen.bmp", MenuPicture(0));
    WriteBmp("menuart/game_over_screen.bmp", MenuPicture(7));
    HeadlessSetTicks(1000);
    AppStartUp();
    for (int state : {STATE_MAIN_MENU, STATE_GAME_OVER}) {
        game_state = state;
        AppFrame();
        const HeadlessFrame* shown = HeadlessLastFrame();
        const int shift = state == STATE_MAIN_MENU ? 0 : 7;
        // Above the place where the end screens write the score.
        for (int y = 0; y < 330; y += 13) {
            for (int x = 0; x < 640; x += 11) {
                ASSERT_EQ(shown->pixels[y * 640 + x], 1 + (x / 40 + y / 40 + shift) % 200) << state << " " << x << "," << y;
            }
        }
        EXPECT_EQ(shown->palette[5].red, 5) << "the main screen's palette, not the file's own";
        EXPECT_EQ(shown->palette[5].green, 15);
    }
    AppShutDown();
}

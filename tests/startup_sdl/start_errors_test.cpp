// What the player is told when the display or the sound cannot start: one
// line on stderr, and the game ends or plays on.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/window.h"

namespace {

// Runs the game, closed on its first turn, and checks that it said one line
// that begins as expected.
void ExpectOneLine(int expected_result, const std::string& start)
{
    PlatformRequestClose();
    testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(), expected_result);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.rfind(start, 0), 0u) << said;
}

}  // namespace

TEST(StartErrors, NoDisplayEndsTheGameAndNoSoundPlaysOnEachInOneLine)
{
    // An empty configuration stands for a machine without a sound card;
    // ALSA writes its own complaint about each thing it cannot find.
    const std::string empty_config = testing::TempDir() + "no_sound_card.conf";
    std::ofstream(empty_config).close();
    setenv("ALSA_CONFIG_PATH", empty_config.c_str(), 1);
    struct Case {
        const char* video;
        const char* audio;
        int result;
        const char* start;
    } const cases[] = {
        {"no-such-driver", "dummy", 1, "wavedart: cannot start the display ("},
        {"dummy", "no-such-driver", 0, "wavedart: no sound ("},
        {"dummy", "alsa", 0, "wavedart: no sound ("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.audio);
        setenv("SDL_VIDEODRIVER", c.video, 1);
        setenv("SDL_AUDIODRIVER", c.audio, 1);
        game_state = STATE_MAIN_MENU;
        ExpectOneLine(c.result, c.start);
        EXPECT_EQ(game_state, c.result ? STATE_MAIN_MENU : STATE_CLOSING) << "the game played on and faded out";
    }
}

TEST(StartErrors, DisplayServerMissingIsNoDisplayThoughSdlCouldDrawUnseen)
{
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    // Wayland's client library then says so on standard error, unasked.
    unsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    const std::string driver = SDL_GetCurrentVideoDriver();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (driver != "offscreen" && driver != "dummy") GTEST_SKIP() << "a real display: " << driver;
    ExpectOneLine(1, "wavedart: cannot start the display (no display server found");
}

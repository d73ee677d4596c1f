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

// Runs the game, closed on its first turn, and returns what it said.
std::string RunGame(int expected_result)
{
    PlatformRequestClose();
    testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(), expected_result);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(StartErrors, NoDisplayIsOneLineAndAFailedExit)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    const std::string said = RunGame(1);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.rfind("wavedart: cannot start the display (", 0), 0u) << said;
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
    const std::string said = RunGame(1);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.rfind("wavedart: cannot start the display (no display server found", 0), 0u) << said;
}

TEST(StartErrors, NoSoundIsSaidOnceAndTheGameRunsOn)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::string said = RunGame(0);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(game_state, STATE_CLOSING) << "the window closed: the game faded out and ended normally";
    EXPECT_EQ(said.rfind("wavedart: no sound (", 0), 0u) << said;
    EXPECT_NE(said.find("playing on without it"), std::string::npos);
}

TEST(StartErrors, NoSoundCardIsOneLineThoughTheSoundLibraryComplains)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    // A configuration with no device in it, as on a machine without a card;
    // ALSA writes its own complaint about each thing it cannot find.
    const std::string empty_config = testing::TempDir() + "no_sound_card.conf";
    std::ofstream(empty_config).close();
    setenv("ALSA_CONFIG_PATH", empty_config.c_str(), 1);
    const std::string said = RunGame(0);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.rfind("wavedart: no sound (", 0), 0u) << said;
}

// What the player is told when the display or the sound cannot start.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>


#include <string>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/window.h"

namespace {

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

TEST(StartErrors, NoDisplayIsOneLineAndAFailedExit)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    const int result = WinMain();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(result, 0);
    EXPECT_EQ(CountOf(said, "\n"), 1) << said;
    EXPECT_EQ(said.rfind("wavedart: cannot start the display (", 0), 0u) << said;
}

TEST(StartErrors, DisplayServerMissingIsNoDisplayThoughSdlCouldDrawUnseen)
{
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    const std::string driver = SDL_GetCurrentVideoDriver();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (driver != "offscreen" && driver != "dummy") GTEST_SKIP() << "a real display: " << driver;
    PlatformRequestClose();
    testing::internal::CaptureStderr();
    const int result = WinMain();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, 1);
    EXPECT_NE(said.find("wavedart: cannot start the display (no display server found"),
              std::string::npos)
        << said;
}

TEST(StartErrors, NoSoundIsSaidOnceAndTheGameRunsOn)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    // The first turn closes the window: the game fades out and ends normally.
    PlatformRequestClose();
    testing::internal::CaptureStderr();
    const int result = WinMain();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(game_state, STATE_CLOSING);
    EXPECT_EQ(CountOf(said, "\n"), 1) << said;
    EXPECT_EQ(said.rfind("wavedart: no sound (", 0), 0u) << said;
    EXPECT_NE(said.find("playing on without it"), std::string::npos);
}

// Pads through SDL's game-controller layer, played by SDL's virtual pads on
// the dummy video driver: taken up when plugged in while the game runs, read
// as one snapshot, dropped when unplugged, pausing play then.
#include <gtest/gtest.h>

#include <SDL.h>

#include <optional>

#include "app/game_state.h"
#include "app/pause.h"
#include "input/keyboard.h"
#include "platform/gamepad.h"
#include "platform/window.h"
#include "tests/platform_sdl/sdl_events.h"

namespace {

class GamepadSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseDummySdlInDataFolder("dummy"));
        ASSERT_EQ(PlatformOpenWindow("gamepad test", 640, 480), 1) << SDL_GetError();
    }

    void TearDown() override
    {
        PlatformCloseGamepads();
        PlatformCloseWindow();
    }
};

}  // namespace

TEST_F(GamepadSdlTest, PadPluggedInWhileRunningIsTakenUpAndRead)
{
    ASSERT_EQ(PlatformOpenGamepads(), 1);
    PlatformGamepad read{};
    RunTurns();
    EXPECT_EQ(PlatformReadGamepad(&read), 0);
    const VirtualPad pad;
    ASSERT_NE(pad.stick, nullptr) << SDL_GetError();
    for (SDL_GameControllerButton button :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_DPAD_LEFT}) {
        SDL_JoystickSetVirtualButton(pad.stick, button, 1);
    }
    SDL_JoystickSetVirtualAxis(pad.stick, SDL_CONTROLLER_AXIS_LEFTX, -20000);
    SDL_JoystickSetVirtualAxis(pad.stick, SDL_CONTROLLER_AXIS_LEFTY, 12000);
    RunTurns();
    EXPECT_EQ(PlatformReadGamepad(&read), 1);
    EXPECT_EQ(read.buttons, GAMEPAD_A | GAMEPAD_START | GAMEPAD_DPAD_LEFT);
    EXPECT_EQ(read.stick_x, -20000);
    EXPECT_EQ(read.stick_y, 12000);
}

TEST_F(GamepadSdlTest, PadUnpluggedInPlayPausesUntilStartOrAnArrow)
{
    struct Case {
        const char* what;
        SDL_GameControllerButton button;
        SDL_Scancode key;
    };
    const Case cases[] = {
        {"Start on the pad plugged in again", SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_UNKNOWN},
        {"up on the pad plugged in again", SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_SCANCODE_UNKNOWN},
        {"right on the keyboard", SDL_CONTROLLER_BUTTON_INVALID, SDL_SCANCODE_RIGHT},
    };
    OpenInput();
    OpenKeyboard();
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    game_state = STATE_PLAYING;
    std::optional<VirtualPad> pad;
    pad.emplace();
    RunTurns();
    EXPECT_EQ(RunPause(), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pad.reset();
        RunTurns();
        EXPECT_EQ(RunPause(), 1);
        EXPECT_EQ(play_paused, PAUSE_BY_UNPLUG);
        pad.emplace();
        RunTurns();
        EXPECT_EQ(RunPause(), 1) << "plugging in is no press";

        for (const bool down : {true, false}) {
            if (c.key != SDL_SCANCODE_UNKNOWN) {
                PushKey(down ? SDL_KEYDOWN : SDL_KEYUP, c.key);
            } else {
                SDL_JoystickSetVirtualButton(pad->stick, c.button, down ? 1 : 0);
            }
            RunTurns();
            EXPECT_EQ(RunPause(), 0);
        }
        EXPECT_EQ(play_paused, PAUSE_NONE);
    }
    CloseKeyboard();
}

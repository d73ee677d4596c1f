// Pads through SDL's game-controller layer, played by SDL's virtual pads on
// the dummy video driver: taken up when plugged in while the game runs, read
// as one snapshot, dropped when unplugged, pausing play then.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

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
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The dummy window never has the focus, and SDL keeps pads from a
        // program without it unless told otherwise.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(PlatformOpenWindow("gamepad test", 640, 480), 1) << SDL_GetError();
    }

    void TearDown() override
    {
        PlatformCloseGamepads();
        PlatformCloseWindow();
    }

    // A virtual pad with the standard layout; returns its device index.
    static int PlugIn()
    {
        const int index = SDL_JoystickAttachVirtual(
            SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        return index;
    }

    static PlatformGamepad Read(int* present = nullptr)
    {
        RunTurns();
        PlatformGamepad pad{};
        const int result = PlatformReadGamepad(&pad);
        if (present) *present = result;
        return pad;
    }
};

}  // namespace

TEST_F(GamepadSdlTest, PadPluggedInWhileRunningIsTakenUpAndRead)
{
    ASSERT_EQ(PlatformOpenGamepads(), 1);
    int present = -1;
    Read(&present);
    EXPECT_EQ(present, 0);
    const int index = PlugIn();
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    ASSERT_NE(stick, nullptr);
    Read(&present);
    EXPECT_EQ(present, 1);

    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, -20000);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 12000);
    const PlatformGamepad pad = Read();
    EXPECT_EQ(pad.buttons, GAMEPAD_A | GAMEPAD_START | GAMEPAD_DPAD_LEFT);
    EXPECT_EQ(pad.stick_x, -20000);
    EXPECT_EQ(pad.stick_y, 12000);

    SDL_JoystickClose(stick);
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
    int index = PlugIn();
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    RunTurns();
    EXPECT_EQ(RunPause(), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SDL_JoystickClose(stick);
        SDL_JoystickDetachVirtual(index);
        RunTurns();
        EXPECT_EQ(RunPause(), 1);
        EXPECT_EQ(play_paused, PAUSE_BY_UNPLUG);
        index = PlugIn();
        stick = SDL_JoystickOpen(index);
        RunTurns();
        EXPECT_EQ(RunPause(), 1) << "plugging in is no press";

        for (const bool down : {true, false}) {
            if (c.key != SDL_SCANCODE_UNKNOWN) {
                PushKey(down ? SDL_KEYDOWN : SDL_KEYUP, c.key);
            } else {
                SDL_JoystickSetVirtualButton(stick, c.button, down ? 1 : 0);
            }
            RunTurns();
            EXPECT_EQ(RunPause(), 0);
        }
        EXPECT_EQ(play_paused, PAUSE_NONE);
    }
    SDL_JoystickClose(stick);
    CloseKeyboard();
}

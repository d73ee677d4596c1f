// Pads through SDL's game-controller layer, played by SDL's virtual pads on
// the dummy video driver: taken up when plugged in while the game runs, read
// as one snapshot, dropped when unplugged.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include "platform/gamepad.h"
#include "platform/window.h"

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

    // Runs message-loop turns until the queue is empty, as the game would.
    static void Turns()
    {
        PlatformMessage msg{};
        while (PlatformPeekMessage(&msg)) {
        }
    }

    static PlatformGamepad Read(int* present = nullptr)
    {
        Turns();
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
    PlatformGamepad pad = Read();
    EXPECT_EQ(pad.buttons, GAMEPAD_A | GAMEPAD_START | GAMEPAD_DPAD_LEFT);
    EXPECT_EQ(pad.stick_x, -20000);
    EXPECT_EQ(pad.stick_y, 12000);

    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 0);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_Y, 1);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_BACK, 1);
    pad = Read();
    EXPECT_EQ(pad.buttons, GAMEPAD_Y | GAMEPAD_BACK);

    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(index);
    pad = Read(&present);
    EXPECT_EQ(present, 0) << "unplugged";
    EXPECT_EQ(pad.buttons, 0u);
}

TEST_F(GamepadSdlTest, PadsAlreadyThereAreTakenUpOnceAndMerged)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    const int first_index = PlugIn();
    const int second_index = PlugIn();
    SDL_Joystick* first = SDL_JoystickOpen(first_index);
    SDL_Joystick* second = SDL_JoystickOpen(second_index);
    ASSERT_EQ(PlatformOpenGamepads(), 1);
    SDL_JoystickSetVirtualButton(first, SDL_CONTROLLER_BUTTON_X, 1);
    SDL_JoystickSetVirtualButton(second, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_JoystickSetVirtualAxis(first, SDL_CONTROLLER_AXIS_LEFTX, 9000);
    SDL_JoystickSetVirtualAxis(second, SDL_CONTROLLER_AXIS_LEFTX, -15000);
    SDL_JoystickSetVirtualAxis(first, SDL_CONTROLLER_AXIS_LEFTY, -30000);
    int present = 0;
    const PlatformGamepad pad = Read(&present);
    EXPECT_EQ(present, 1);
    EXPECT_EQ(pad.buttons, GAMEPAD_X | GAMEPAD_B);
    EXPECT_EQ(pad.stick_x, -15000) << "the stick pushed furthest";
    EXPECT_EQ(pad.stick_y, -30000);

    // Unplugging one pad leaves the other one read.
    SDL_JoystickClose(first);
    SDL_JoystickDetachVirtual(first_index);
    EXPECT_EQ(Read().buttons, GAMEPAD_B);
    SDL_JoystickClose(second);
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1);
    Read(&present);
    EXPECT_EQ(present, 0);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

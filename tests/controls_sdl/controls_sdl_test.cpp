// Bindings made on the Controls screen and played, through SDL's own event
// queue and SDL's virtual pad on the dummy drivers, as the binary runs the
// game: a rebound fire key fires and the old one does not, and a pad alone
// changes the volume, rebinds fire, plays with the new button and leaves
// play only by holding back for a second.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "input/bindings.h"
#include "options/controls_screen.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "platform/clock.h"
#include "profile/profile.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

class ControlsSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // The dummy window never has the focus, and SDL keeps pads from a
        // program without it unless told otherwise.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(chdir(data), 0) << data;
        ASSERT_EQ(PlatformOpenWindow("controls test", 640, 480), 1) << SDL_GetError();
        AppStartUp();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
        LoadPlayerSettings(&profile);
        InstallOptions();
        InstallControls();
        Frame();
    }

    void TearDown() override
    {
        if (stick) SDL_JoystickClose(stick);
        UninstallControls();
        UninstallOptions();
        ForgetPlayerSettings();
        AppShutDown();
        PlatformCloseWindow();
        CloseProfile(&profile);
    }

    // One turn of the message loop's work: SDL's queue taken, then a frame.
    static void Frame()
    {
        RunTurns();
        AppFrame();
    }

    static void Key(Uint32 type, SDL_Scancode scancode)
    {
        PushKey(type, scancode, SDL_GetKeyFromScancode(scancode));
        Frame();
    }

    static void TapKey(SDL_Scancode scancode)
    {
        Key(SDL_KEYDOWN, scancode);
        Key(SDL_KEYUP, scancode);
    }

    void PlugIn()
    {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(index, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(index);
        ASSERT_NE(stick, nullptr);
        Frame();
    }

    void Button(SDL_GameControllerButton button, bool down)
    {
        SDL_JoystickSetVirtualButton(stick, button, down ? 1 : 0);
        Frame();
    }

    void PressButton(SDL_GameControllerButton button)
    {
        Button(button, true);
        Button(button, false);
    }

    // Holds the button for about that long, or until play is left; returns
    // the milliseconds it was held.
    Uint32 HoldButton(SDL_GameControllerButton button, Uint32 ms)
    {
        const Uint32 start = PlatformGetTicks();
        SDL_JoystickSetVirtualButton(stick, button, 1);
        while (game_state == STATE_PLAYING && PlatformGetTicks() - start < ms) Frame();
        const Uint32 held = PlatformGetTicks() - start;
        Button(button, false);
        return held;
    }

    // Frames until play has begun.
    static void UntilPlaying()
    {
        for (int frame = 0; frame < 10 && game_state != STATE_PLAYING; ++frame) Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    ScratchFolder scratch;
    Profile profile;
    SDL_Joystick* stick = nullptr;
};

}  // namespace

TEST_F(ControlsSdlTest, AReboundFireKeyFiresAndTheOldOneDoesNot)
{
    TapKey(SDL_SCANCODE_O);
    TapKey(SDL_SCANCODE_UP);
    TapKey(SDL_SCANCODE_RETURN);
    ASSERT_EQ(game_state, STATE_CONTROLS);
    for (int row = 0; row < ACTION_FIRE; ++row) TapKey(SDL_SCANCODE_DOWN);
    TapKey(SDL_SCANCODE_RETURN);
    TapKey(SDL_SCANCODE_RCTRL);
    EXPECT_NE(Kept().find("\nkey_fire = Right Ctrl\n"), std::string::npos);
    TapKey(SDL_SCANCODE_BACKSPACE);
    TapKey(SDL_SCANCODE_BACKSPACE);
    ASSERT_EQ(game_state, STATE_MAIN_MENU);

    TapKey(SDL_SCANCODE_N);
    TapKey(SDL_SCANCODE_E);
    UntilPlaying();
    Key(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
    Frame();
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "Space no longer fires";
    Key(SDL_KEYUP, SDL_SCANCODE_SPACE);
    Key(SDL_KEYDOWN, SDL_SCANCODE_RCTRL);
    EXPECT_EQ(fire_cooldown, 0) << "Right Ctrl fires";
    Key(SDL_KEYUP, SDL_SCANCODE_RCTRL);
}

TEST_F(ControlsSdlTest, APadAloneSetsTheVolumeRebindsFirePlaysAndHoldsBackToLeave)
{
    PlugIn();
    PressButton(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game_state, STATE_OPTIONS);
    PressButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 9);
    PressButton(SDL_CONTROLLER_BUTTON_DPAD_UP);
    PressButton(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game_state, STATE_CONTROLS);
    for (int row = 0; row < ACTION_FIRE; ++row) PressButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressButton(SDL_CONTROLLER_BUTTON_A);
    PressButton(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_RIGHT_SHOULDER);
    const std::string kept = Kept();
    EXPECT_NE(kept.find("\nvolume = 9\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("\nbutton_fire = RB\n"), std::string::npos) << kept;
    PressButton(SDL_CONTROLLER_BUTTON_B);
    PressButton(SDL_CONTROLLER_BUTTON_B);
    ASSERT_EQ(game_state, STATE_MAIN_MENU);

    PressButton(SDL_CONTROLLER_BUTTON_START);
    PressButton(SDL_CONTROLLER_BUTTON_X);
    UntilPlaying();
    Button(SDL_CONTROLLER_BUTTON_A, true);
    Frame();
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "A no longer fires";
    Button(SDL_CONTROLLER_BUTTON_A, false);
    Button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    EXPECT_EQ(fire_cooldown, 0) << "RB fires";
    Button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);

    EXPECT_GE(HoldButton(SDL_CONTROLLER_BUTTON_B, 500), 500u);
    EXPECT_EQ(game_state, STATE_PLAYING) << "a short press of back does not leave";
    EXPECT_GE(HoldButton(SDL_CONTROLLER_BUTTON_B, 2000), 1000u);
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "held for a second it does";
}

// The Options and Controls screens on SDL's dummy drivers, as the game's
// program sets them up, through SDL's own event queue and virtual pad: every
// option and a binding changed with a pad alone, a rebound key played, and
// the display chosen for one run on the command line, switched with F11 and
// Alt+Enter, and kept.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/pause.h"
#include "app/shell.h"
#include "command_line/options.h"
#include "input/bindings.h"
#include "options/controls_screen.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/sdl/sdl_window.h"
#include "profile/profile.h"
#include "tests/platform_sdl/game_frames.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

class OptionsSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseDummySdlInDataFolder("dummy"));
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
    }

    // Starts the game as the program does, with these arguments.
    void Start(const std::vector<std::string>& arguments)
    {
        CommandLine line;
        std::string error;
        ASSERT_TRUE(ParseCommandLine(arguments, &line, &error)) << error;
        LoadPlayerSettings(&profile);
        for (const SettingForRun& run : line.settings) ChooseSettingForRun(run.setting, run.value);
        InstallOptions();
        InstallControls();
        ASSERT_EQ(PlatformOpenWindow("options test", 640, 480), 1) << SDL_GetError();
        AppStartUp();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        GameFrame();
    }

    void TearDown() override
    {
        UninstallControls();
        UninstallOptions();
        ForgetPlayerSettings();
        AppShutDown();
        PlatformCloseWindow();
        CloseProfile(&profile);
    }

    static void Key(Uint32 type, SDL_Scancode scancode)
    {
        PushKey(type, scancode, SDL_GetKeyFromScancode(scancode));
        GameFrame();
    }

    static void TapKeys(std::initializer_list<SDL_Scancode> scancodes)
    {
        for (SDL_Scancode scancode : scancodes) {
            Key(SDL_KEYDOWN, scancode);
            Key(SDL_KEYUP, scancode);
        }
    }

    static void UntilPlaying()
    {
        for (int frame = 0; frame < 10 && game_state != STATE_PLAYING; ++frame) GameFrame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }

    static bool FullScreen() { return (SDL_GetWindowFlags(SdlWindow()) & SDL_WINDOW_FULLSCREEN) != 0; }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    ScratchFolder scratch;
    Profile profile;
};

// Holds the button for about that long, or until play is left; returns the
// milliseconds it was held.
Uint32 HoldButton(SDL_Joystick* stick, SDL_GameControllerButton button, Uint32 ms)
{
    const Uint32 start = PlatformGetTicks();
    SDL_JoystickSetVirtualButton(stick, button, 1);
    while (game_state == STATE_PLAYING && PlatformGetTicks() - start < ms) GameFrame();
    const Uint32 held = PlatformGetTicks() - start;
    SDL_JoystickSetVirtualButton(stick, button, 0);
    GameFrame();
    return held;
}

}  // namespace

TEST_F(OptionsSdlTest, APadAloneChangesEveryOptionRebindsFirePlaysAndHoldsBackToLeave)
{
    Start({"--window"});
    const VirtualPad pad;
    ASSERT_NE(pad.stick, nullptr) << SDL_GetError();
    GameFrame();
    const auto press = [&pad](std::initializer_list<SDL_GameControllerButton> buttons) {
        for (SDL_GameControllerButton button : buttons) PressPadButton(pad.stick, button);
    };
    press({SDL_CONTROLLER_BUTTON_A});
    ASSERT_EQ(game_state, STATE_OPTIONS);
    press({SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_DOWN});
    EXPECT_EQ(PlatformMasterVolume(), 50);
    EXPECT_FALSE(FullScreen());
    press({SDL_CONTROLLER_BUTTON_DPAD_RIGHT});
    EXPECT_TRUE(FullScreen());
    press({SDL_CONTROLLER_BUTTON_DPAD_RIGHT});
    EXPECT_FALSE(FullScreen());
    press({SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
           SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_START});
    EXPECT_EQ(pause_on_focus_loss, 0);
    press({SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
           SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A});
    ASSERT_EQ(game_state, STATE_CONTROLS);
    for (int row = 0; row < ACTION_FIRE; ++row) press({SDL_CONTROLLER_BUTTON_DPAD_DOWN});
    press({SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER});
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_RIGHT_SHOULDER);
    press({SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_B});
    ASSERT_EQ(game_state, STATE_MAIN_MENU);
    const std::string kept = Kept();
    EXPECT_EQ(kept.substr(0, kept.find("key_")),
              "wavedart-settings 1\nvolume = 8\ndisplay = window\nscaling = fill\nvsync = off\n"
              "pause_on_focus_loss = off\ntouch_size = 4\ntouch_opacity = 5\n");
    EXPECT_NE(kept.find("\nbutton_fire = RB\n"), std::string::npos) << kept;

    press({SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_X});
    UntilPlaying();
    const auto hold = [&pad](SDL_GameControllerButton button, Uint8 down) {
        SDL_JoystickSetVirtualButton(pad.stick, button, down);
        GameFrame();
    };
    hold(SDL_CONTROLLER_BUTTON_A, 1);
    GameFrame();
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "A no longer fires";
    hold(SDL_CONTROLLER_BUTTON_A, 0);
    hold(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
    EXPECT_EQ(fire_cooldown, 0) << "RB fires";
    hold(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0);

    EXPECT_GE(HoldButton(pad.stick, SDL_CONTROLLER_BUTTON_B, 500), 500u);
    EXPECT_EQ(game_state, STATE_PLAYING) << "a short press of back does not leave";
    EXPECT_GE(HoldButton(pad.stick, SDL_CONTROLLER_BUTTON_B, 2000), 1000u);
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "held for a second it does";
}

TEST_F(OptionsSdlTest, TheWindowForTheRunIsNotKeptTheSwitchKeysAreAndAReboundFireKeyFires)
{
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\ndisplay = fullscreen\nend\n");
    Start({"--window"});
    EXPECT_FALSE(FullScreen());
    EXPECT_EQ(Kept(), "wavedart-settings 1\ndisplay = fullscreen\nend\n");
    Key(SDL_KEYDOWN, SDL_SCANCODE_F11);
    EXPECT_TRUE(FullScreen());
    SDL_Event enter{};
    enter.key.type = SDL_KEYDOWN;
    enter.key.keysym.scancode = SDL_SCANCODE_RETURN;
    enter.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&enter);
    GameFrame();
    EXPECT_FALSE(FullScreen());
    EXPECT_NE(Kept().find("\ndisplay = window\n"), std::string::npos) << Kept();
    TapKeys({SDL_SCANCODE_F11, SDL_SCANCODE_RETURN});
    EXPECT_TRUE(FullScreen());
    EXPECT_NE(Kept().find("\ndisplay = fullscreen\n"), std::string::npos) << Kept();

    TapKeys({SDL_SCANCODE_O, SDL_SCANCODE_UP, SDL_SCANCODE_RETURN});
    ASSERT_EQ(game_state, STATE_CONTROLS);
    for (int row = 0; row < ACTION_FIRE; ++row) TapKeys({SDL_SCANCODE_DOWN});
    TapKeys({SDL_SCANCODE_RETURN, SDL_SCANCODE_RCTRL});
    EXPECT_NE(Kept().find("\nkey_fire = Right Ctrl\n"), std::string::npos);
    TapKeys({SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_N, SDL_SCANCODE_E});
    UntilPlaying();
    Key(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
    GameFrame();
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "Space no longer fires";
    Key(SDL_KEYUP, SDL_SCANCODE_SPACE);
    Key(SDL_KEYDOWN, SDL_SCANCODE_RCTRL);
    EXPECT_EQ(fire_cooldown, 0) << "Right Ctrl fires";
}

// The Options screen and the display setting on SDL's dummy drivers, as the
// game's program sets them up: every option changed with a pad alone
// through SDL's virtual pad, and the display chosen for one run on the
// command line, switched with F11 and Alt+Enter, and kept.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/pause.h"
#include "app/shell.h"
#include "command_line/options.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "platform/audio.h"
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
        ASSERT_EQ(PlatformOpenWindow("options test", 640, 480), 1) << SDL_GetError();
        AppStartUp();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        GameFrame();
    }

    void TearDown() override
    {
        UninstallOptions();
        ForgetPlayerSettings();
        AppShutDown();
        PlatformCloseWindow();
        CloseProfile(&profile);
    }


    static bool FullScreen() { return (SDL_GetWindowFlags(SdlWindow()) & SDL_WINDOW_FULLSCREEN) != 0; }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    ScratchFolder scratch;
    Profile profile;
};

}  // namespace

TEST_F(OptionsSdlTest, APadAloneReachesAndChangesEveryOption)
{
    Start({"--window"});
    const VirtualPad pad;
    ASSERT_NE(pad.stick, nullptr) << SDL_GetError();
    SDL_Joystick* stick = pad.stick;
    GameFrame();

    PressPadButton(stick, SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game_state, STATE_OPTIONS);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(PlatformMasterVolume(), 50);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_FALSE(FullScreen());
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_TRUE(FullScreen());
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_FALSE(FullScreen());
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_A);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(pause_on_focus_loss, 0);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    // The bindings follow, as they stand.
    const std::string kept = Kept();
    EXPECT_EQ(kept.substr(0, kept.find("key_")),
              "wavedart-settings 1\nvolume = 8\ndisplay = window\nscaling = fill\nvsync = off\n"
              "pause_on_focus_loss = off\ntouch_size = 4\ntouch_opacity = 5\n");
}

TEST_F(OptionsSdlTest, WindowForTheRunLeavesTheFileAndTheSwitchKeysAreKept)
{
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\ndisplay = fullscreen\nend\n");
    Start({"--window"});
    EXPECT_FALSE(FullScreen());
    EXPECT_EQ(Kept(), "wavedart-settings 1\ndisplay = fullscreen\nend\n");

    PushKey(SDL_KEYDOWN, SDL_SCANCODE_F11, SDLK_F11);
    GameFrame();
    EXPECT_TRUE(FullScreen());
    EXPECT_NE(Kept().find("\ndisplay = fullscreen\n"), std::string::npos);
    SDL_Event enter{};
    enter.key.type = SDL_KEYDOWN;
    enter.key.keysym.scancode = SDL_SCANCODE_RETURN;
    enter.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&enter);
    GameFrame();
    EXPECT_FALSE(FullScreen());
    EXPECT_NE(Kept().find("\ndisplay = window\n"), std::string::npos) << Kept();
}

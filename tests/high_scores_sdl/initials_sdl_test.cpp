// Initials entered through SDL's own event queue, with keys alone and with
// a pad alone (SDL's virtual pad), into a scratch profile's scores.txt; the
// game running on SDL's dummy drivers as the binary runs it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "app/game_state.h"
#include "app/shell.h"
#include "high_scores/high_scores.h"
#include "profile/profile.h"
#include "tests/high_scores/game_over.h"
#include "tests/platform_sdl/game_frames.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

class InitialsSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseDummySdlInDataFolder("dummy"));
        ASSERT_EQ(PlatformOpenWindow("high scores test", 640, 480), 1) << SDL_GetError();
        AppStartUp();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
        InstallHighScores(&profile);
        GameFrame();
    }

    void TearDown() override
    {
        UninstallHighScores();
        AppShutDown();
        PlatformCloseWindow();
        CloseProfile(&profile);
    }

    // A press and its release between two frames, as a quick tap comes:
    // SDL hands each event to the keyboard as it is queued.
    static void TapKey(SDL_Scancode scancode, SDL_Keycode keycode)
    {
        RunTurns();
        PushKey(SDL_KEYDOWN, scancode, keycode);
        PushKey(SDL_KEYUP, scancode, keycode);
        AppFrame();
        GameFrame();
    }

    // Whether scores.txt holds the entry, whatever its date and replay.
    bool Kept(const std::string& entry) const
    {
        return ReadText(scratch.path / "scores.txt").find("\n" + entry + " ") != std::string::npos;
    }

    ScratchFolder scratch;
    Profile profile;
};

}  // namespace

TEST_F(InitialsSdlTest, KeysAlone)
{
    ASSERT_EQ(GameOver(1, 4200, "wavedart-demo 1\n"), 1);
    GameFrame();
    // K typed, the second letter stepped up from A to B, the third typed.
    for (const auto& [scancode, keycode] : {std::pair{SDL_SCANCODE_K, SDLK_k}, {SDL_SCANCODE_UP, SDLK_UP},
                                            {SDL_SCANCODE_RIGHT, SDLK_RIGHT}, {SDL_SCANCODE_7, SDLK_7},
                                            {SDL_SCANCODE_RETURN, SDLK_RETURN}}) {
        TapKey(scancode, keycode);
    }
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(Kept("medium KB7 4200 3 no"));
    TapKey(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    TapKey(SDL_SCANCODE_H, SDLK_h);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
}

TEST_F(InitialsSdlTest, APadAlone)
{
    const VirtualPad pad;
    ASSERT_NE(pad.stick, nullptr) << SDL_GetError();
    SDL_Joystick* stick = pad.stick;
    GameFrame();
    ASSERT_EQ(GameOver(2, 800, "wavedart-demo 1\n"), 1);
    GameFrame();
    for (auto button : {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_A,
                        SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_START}) {
        PressPadButton(stick, button);
    }
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(Kept("hard C9A 800 3 no"));

    PressPadButton(stick, SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    PressPadButton(stick, SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
}

// Initials entered through SDL's own event queue, with keys alone and with
// a pad alone (SDL's virtual pad), into a scratch profile's scores.txt; the
// game running on SDL's dummy drivers as the binary runs it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "app/game_state.h"
#include "app/shell.h"
#include "high_scores/high_scores.h"
#include "profile/profile.h"
#include "tests/high_scores/game_over.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

class InitialsSdlTest : public testing::Test {
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
        ASSERT_EQ(PlatformOpenWindow("high scores test", 640, 480), 1) << SDL_GetError();
        AppStartUp();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
        InstallHighScores(&profile);
        Frame();
    }

    void TearDown() override
    {
        UninstallHighScores();
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

    // A press and its release between two frames, as a quick tap comes:
    // SDL hands each event to the keyboard as it is queued.
    static void TapKey(SDL_Scancode scancode, SDL_Keycode keycode)
    {
        RunTurns();
        PushKey(SDL_KEYDOWN, scancode, keycode);
        PushKey(SDL_KEYUP, scancode, keycode);
        AppFrame();
        Frame();
    }

    static void PressButton(SDL_Joystick* stick, SDL_GameControllerButton button)
    {
        SDL_JoystickSetVirtualButton(stick, button, 1);
        Frame();
        SDL_JoystickSetVirtualButton(stick, button, 0);
        Frame();
    }

    // A game over with this score, and the frame that shows the initials screen.
    static void EndGame(int game_difficulty, int game_score)
    {
        ASSERT_EQ(GameOver(game_difficulty, game_score, "wavedart-demo 1\n"), 1);
        Frame();
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
    EndGame(1, 4200);
    TapKey(SDL_SCANCODE_K, SDLK_k);
    TapKey(SDL_SCANCODE_UP, SDLK_UP);  // the second letter, A, becomes B
    TapKey(SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    TapKey(SDL_SCANCODE_7, SDLK_7);
    TapKey(SDL_SCANCODE_RETURN, SDLK_RETURN);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(Kept("medium KB7 4200 3 no"));
    TapKey(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    TapKey(SDL_SCANCODE_H, SDLK_h);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
}

TEST_F(InitialsSdlTest, APadAlone)
{
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    ASSERT_NE(stick, nullptr);
    Frame();

    EndGame(2, 800);
    PressButton(stick, SDL_CONTROLLER_BUTTON_DPAD_UP);
    PressButton(stick, SDL_CONTROLLER_BUTTON_DPAD_UP);
    PressButton(stick, SDL_CONTROLLER_BUTTON_A);
    PressButton(stick, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    PressButton(stick, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    PressButton(stick, SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(Kept("hard C9A 800 3 no"));

    PressButton(stick, SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    PressButton(stick, SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(index);
}

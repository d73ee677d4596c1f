// A whole game on the pad alone, with no keyboard: real frames from the main
// menu through play and back.
#include <gtest/gtest.h>

#include "app/pause.h"
#include "app_fixture.h"
#include "input/gamepad.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

class GamepadPlayTest : public AppTest {
protected:
    void SetUp() override
    {
        HeadlessSetKeyboardPresent(0);
        AppTest::SetUp();
    }

    void TearDown() override
    {
        AppTest::TearDown();
        HeadlessSetKeyboardPresent(1);
        HeadlessSetGamepad(nullptr);
    }

    static void Pad(unsigned buttons, int stick_x = 0, int stick_y = 0)
    {
        const PlatformGamepad pad{buttons, stick_x, stick_y};
        HeadlessSetGamepad(&pad);
        AppFrame();
    }

    // Start on the main menu, then the difficulty's button, the frames that
    // set up the game and the life, and a first frame of play.
    static void StartGame(unsigned difficulty_button)
    {
        const unsigned presses[] = {GAMEPAD_START, 0, difficulty_button, 0, 0, 0};
        for (unsigned buttons : presses) Pad(buttons);
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
};

}  // namespace

TEST_F(GamepadPlayTest, EveryDifficultyPlayedAndLeftWithThePadAlone)
{
    const unsigned buttons[] = {GAMEPAD_X, GAMEPAD_A, GAMEPAD_Y};
    for (int chosen = 0; chosen < 3; ++chosen) {
        SCOPED_TRACE(chosen);
        StartGame(buttons[chosen]);
        EXPECT_EQ(difficulty, chosen);
        Pad(GAMEPAD_A, 0, GAMEPAD_AXIS_MIN);
        EXPECT_EQ(scroll_speed, -1) << "stick up is the up arrow";
        EXPECT_EQ(fire_cooldown, 0) << "A fired";
        Pad(GAMEPAD_DPAD_LEFT);
        EXPECT_EQ(player_dx, -PLAYER_STEP);
        Pad(0, GAMEPAD_AXIS_MAX, 0);
        EXPECT_EQ(player_dx, PLAYER_STEP);
        Pad(GAMEPAD_B);
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
        Pad(0);
    }
}

TEST_F(GamepadPlayTest, ButtonHeldIntoTheNextScreenActsThereOnlyOncePressedAgain)
{
    const unsigned presses[] = {GAMEPAD_START, 0, GAMEPAD_A, GAMEPAD_A, GAMEPAD_A, GAMEPAD_A};
    for (unsigned buttons : presses) Pad(buttons);
    ASSERT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "the A that chose medium does not fire";
    Pad(0);
    Pad(GAMEPAD_A);
    EXPECT_EQ(fire_cooldown, 0);
    Pad(GAMEPAD_BACK);
    Pad(GAMEPAD_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "the Back that left play does not quit";
    Pad(0);
    Pad(GAMEPAD_BACK);
    EXPECT_EQ(game_state, STATE_QUIT);
}

TEST_F(GamepadPlayTest, StartPausesAndResumesAndAStickHeldWhenFocusReturnsOnlyWhenPushedAgain)
{
    StartGame(GAMEPAD_X);
    Pad(GAMEPAD_START);
    EXPECT_EQ(play_paused, PAUSE_BY_KEY);
    Pad(GAMEPAD_START | GAMEPAD_DPAD_UP);
    EXPECT_EQ(scroll_speed, 0) << "held Start neither resumes nor lets play run";
    Pad(0);
    Pad(GAMEPAD_START);
    EXPECT_EQ(play_paused, PAUSE_NONE);

    Pad(0, 0, GAMEPAD_AXIS_MIN);
    MainWindowProc(WM_KILLFOCUS, 0);
    Pad(0, 0, GAMEPAD_AXIS_MIN);
    ASSERT_EQ(play_paused, PAUSE_BY_FOCUS);
    MainWindowProc(WM_SETFOCUS, 0);
    Pad(0, 0, GAMEPAD_AXIS_MIN);
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS);
    Pad(0, 0, GAMEPAD_DEAD_ZONE);
    Pad(0, 0, -GAMEPAD_DEAD_ZONE - 1);
    EXPECT_EQ(play_paused, PAUSE_NONE);
}

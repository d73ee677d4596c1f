// A whole game on the pad alone, with no keyboard: real frames from the main
// menu through play and back.
#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "app/pause.h"
#include "app_fixture.h"
#include "input/bindings.h"
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

    // Holds the buttons until play is left, or for at most two seconds;
    // returns the milliseconds they were held.
    static uint32_t HoldUntilPlayIsLeft(unsigned buttons)
    {
        const uint32_t start = HeadlessGetTicks();
        while (game_state == STATE_PLAYING && HeadlessGetTicks() - start < 2000) Pad(buttons);
        return HeadlessGetTicks() - start;
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
        HoldUntilPlayIsLeft(GAMEPAD_B);
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
        Pad(0);
    }
}

TEST_F(GamepadPlayTest, BackLeavesPlayOnlyOnceHeldForASecondAndShowsHowLongItWasHeld)
{
    StartGame(GAMEPAD_X);
    Pad(GAMEPAD_B);
    const uint32_t pressed = HeadlessGetTicks();
    int last_shown = pad_back_held_ms;
    while (HeadlessGetTicks() - pressed < 900) {
        Pad(GAMEPAD_B);
        EXPECT_GT(pad_back_held_ms, last_shown);
        last_shown = pad_back_held_ms;
    }
    Pad(0);
    EXPECT_EQ(game_state, STATE_PLAYING) << "let go before the second was up";
    EXPECT_EQ(pad_back_held_ms, 0);

    const uint32_t held = HoldUntilPlayIsLeft(GAMEPAD_B);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_GE(held, static_cast<uint32_t>(PAD_BACK_HOLD_MS));
    EXPECT_LT(held, static_cast<uint32_t>(PAD_BACK_HOLD_MS + 2 * FRAME_PERIOD_MS));
}

TEST_F(GamepadPlayTest, BackBoundToAnotherButtonIsHeldThereAndBNoLongerLeaves)
{
    BindButton(ACTION_BACK, GAMEPAD_Y);
    StartGame(GAMEPAD_X);
    EXPECT_GE(HoldUntilPlayIsLeft(GAMEPAD_B), 2000u);
    EXPECT_EQ(game_state, STATE_PLAYING);
    HoldUntilPlayIsLeft(GAMEPAD_Y);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
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
    BindButton(ACTION_BACK, GAMEPAD_BACK);
    HoldUntilPlayIsLeft(GAMEPAD_BACK);
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

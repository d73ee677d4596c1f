// What a death and a completed level set.
#include <gtest/gtest.h>

#include "app_fixture.h"

TEST_F(AppTest, DyingTakesAShipOnTheFourteenthFrameAfterOneSecond)
{
    game_state = STATE_NEW_GAME;
    Frame();
    Frame();
    ASSERT_EQ(game_state, STATE_PLAYING);
    fuel = -40;
    game_state = STATE_DYING;
    for (int frame = 1; frame < DEATH_FRAMES; ++frame) {
        Frame();
        ASSERT_EQ(game_state, STATE_DYING);
        EXPECT_EQ(death_frames, frame);
    }
    EXPECT_EQ(lives, MAX_LIVES);
    const uint32_t before = HeadlessGetTicks();
    Frame();
    EXPECT_GE(HeadlessGetTicks() - before, 1000u);
    EXPECT_EQ(death_frames, 0);
    EXPECT_EQ(lives, MAX_LIVES - 1);
    EXPECT_EQ(fuel, FUEL_FULL);
    EXPECT_EQ(game_state, STATE_START_LIFE);
}

TEST_F(AppTest, CompletedLevelGivesOneShipBackUpToThreeAndAFullTank)
{
    const int before_after[][2] = {{3, 3}, {1, 2}, {0, 1}};
    for (const auto& lives_case : before_after) {
        lives = lives_case[0];
        level = 4;
        fuel = 12;
        game_state = STATE_LEVEL_COMPLETE;
        Frame();
        EXPECT_EQ(lives, lives_case[1]);
        EXPECT_EQ(fuel, FUEL_FULL);
        EXPECT_EQ(game_state, STATE_START_LIFE);
    }
}

TEST_F(AppTest, TenthLevelCompletedDuringDyingFinishesTheGameUnlessNoShipIsLeft)
{
    // The level counter passed the last level during the dying sequence:
    // there is no eleventh level to start.
    lives = 1;
    for (int state : {STATE_GAME_FINISHED, STATE_GAME_OVER}) {
        level = MAX_LEVELS;
        death_frames = DEATH_FRAMES - 1;
        game_state = STATE_DYING;
        Frame();
        EXPECT_EQ(game_state, state) << "the lost ship ends the game first";
        EXPECT_EQ(lives, state == STATE_GAME_OVER ? -1 : 0);
    }
}

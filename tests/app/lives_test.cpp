// What a new game, a new life, a death and a completed level set.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "game/camera.h"

TEST_F(AppTest, NewGameResetsTheGameButKeepsDifficulty)
{
    score = 1234;
    lives = -1;
    level = 7;
    fuel = 13;
    difficulty = 2;
    game_state = STATE_NEW_GAME;
    Frame();
    EXPECT_EQ(score, 0);
    EXPECT_EQ(lives, MAX_LIVES);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(fuel, FUEL_FULL);
    EXPECT_EQ(difficulty, 2);
    EXPECT_EQ(game_state, STATE_START_LIFE);
}

TEST_F(AppTest, LifeStartResetsCameraAndControls)
{
    camera_y = 17;
    camera_x = 5;
    fire_cooldown = 3;
    engine_sound_on = 1;
    game_state = STATE_START_LIFE;
    Frame();
    EXPECT_EQ(camera_y, CAMERA_START_Y);
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL);
    EXPECT_EQ(engine_sound_on, 0);
    EXPECT_EQ(game_state, STATE_PLAYING);
}

TEST_F(AppTest, DyingTakesAShipOnTheFourteenthFrameAndPausesOneSecond)
{
    // A life has started, so the craft flies from the bottom of the river.
    game_state = STATE_START_LIFE;
    Frame();
    lives = 2;
    fuel = -40;
    game_state = STATE_DYING;
    for (int frame = 1; frame < DEATH_FRAMES; ++frame) {
        Frame();
        ASSERT_EQ(game_state, STATE_DYING);
        EXPECT_EQ(death_frames, frame);
    }
    EXPECT_EQ(lives, 2);
    const uint32_t before = HeadlessGetTicks();
    Frame();
    EXPECT_GE(HeadlessGetTicks() - before, 1000u);
    EXPECT_EQ(death_frames, 0);
    EXPECT_EQ(lives, 1);
    EXPECT_EQ(fuel, FUEL_FULL);
    EXPECT_EQ(game_state, STATE_START_LIFE);
}

TEST_F(AppTest, FourthDeathEndsTheGame)
{
    game_state = STATE_NEW_GAME;
    Frame();
    for (int death = 1; death <= 4; ++death) {
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
        game_state = STATE_DYING;
        for (int frame = 0; frame < DEATH_FRAMES; ++frame) Frame();
        if (death < 4) {
            EXPECT_EQ(game_state, STATE_START_LIFE) << "death " << death;
            EXPECT_EQ(lives, MAX_LIVES - death);
        }
    }
    EXPECT_EQ(lives, -1);
    EXPECT_EQ(game_state, STATE_GAME_OVER);
}

TEST_F(AppTest, CompletedLevelGivesOneShipBackUpToThree)
{
    const int before[] = {3, 1, 0};
    const int after[] = {3, 2, 1};
    for (int i = 0; i < 3; ++i) {
        lives = before[i];
        level = 4;
        fuel = 12;
        game_state = STATE_LEVEL_COMPLETE;
        Frame();
        EXPECT_EQ(lives, after[i]);
        EXPECT_EQ(fuel, FUEL_FULL);
        EXPECT_EQ(game_state, STATE_START_LIFE);
    }
}

TEST_F(AppTest, TenthLevelCompletedShowsTheFinishedScreen)
{
    lives = 1;
    level = MAX_LEVELS;
    fuel = 300;
    game_state = STATE_LEVEL_COMPLETE;
    Frame();
    EXPECT_EQ(game_state, STATE_GAME_FINISHED);
    EXPECT_EQ(lives, 1);
}

TEST_F(AppTest, TenthLevelCompletedDuringDyingFinishesTheGameUnlessNoShipIsLeft)
{
    // The level counter passed the last level during the dying sequence:
    // there is no eleventh level to start.
    lives = 1;
    level = MAX_LEVELS;
    death_frames = DEATH_FRAMES - 1;
    game_state = STATE_DYING;
    Frame();
    EXPECT_EQ(game_state, STATE_GAME_FINISHED);
    EXPECT_EQ(lives, 0);

    death_frames = DEATH_FRAMES - 1;
    game_state = STATE_DYING;
    Frame();
    EXPECT_EQ(game_state, STATE_GAME_OVER) << "the lost ship ends the game first";
}

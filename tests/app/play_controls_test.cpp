// The play frame's controls: steering, speed limits and the fire reload.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "input/key_codes.h"

namespace {

class PlayTest : public AppTest {
protected:
    void StartGame(int chosen_difficulty)
    {
        difficulty = chosen_difficulty;
        game_state = STATE_NEW_GAME;
        Frame();
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
};

}  // namespace

TEST_F(PlayTest, DownArrowAtLifeStartJumpsToTheSlowestSpeedOfTheDifficulty)
{
    for (int d = 0; d < 3; ++d) {
        StartGame(d);
        scroll_speed = 0;
        Frame({DIK_DOWN});
        EXPECT_EQ(scroll_speed, -(d + 1)) << "difficulty " << d;
    }
}

TEST_F(PlayTest, UpArrowAcceleratesToFiveAndWinsOverDown)
{
    StartGame(2);
    scroll_speed = 0;
    for (int frame = 1; frame <= 7; ++frame) {
        Frame({DIK_UP, DIK_DOWN});
        EXPECT_EQ(scroll_speed, frame <= 5 ? -frame : -5);
    }
    EXPECT_EQ(engine_sound_on, 1);
    Frame({DIK_DOWN});
    EXPECT_EQ(scroll_speed, -4);
}

TEST_F(PlayTest, UpArrowMayLeaveTheSpeedAboveTheSlowestLimit)
{
    StartGame(2);
    scroll_speed = 0;
    Frame({DIK_UP});
    EXPECT_EQ(scroll_speed, -1);
    Frame();
    EXPECT_EQ(scroll_speed, -1) << "no key keeps the speed";
}

TEST_F(PlayTest, RightArrowWinsOverLeft)
{
    StartGame(0);
    Frame({DIK_LEFT, DIK_RIGHT});
    EXPECT_EQ(player_dx, PLAYER_STEP);
    Frame({DIK_LEFT});
    EXPECT_EQ(player_dx, -PLAYER_STEP);
    Frame();
    EXPECT_EQ(player_dx, 0);
}

TEST_F(PlayTest, SpaceFiresAtOnceThenEveryFifteenthFrame)
{
    StartGame(0);
    std::vector<int> shots;
    for (int frame = 0; frame < 40; ++frame) {
        Frame({DIK_SPACE});
        if (game_state != STATE_PLAYING) break;
        if (fire_cooldown == 0) shots.push_back(frame);
    }
    EXPECT_EQ(shots, (std::vector<int>{0, 15, 30}));
}

TEST_F(PlayTest, FireRequestFourteenFramesAfterAShotDoesNothing)
{
    StartGame(0);
    Frame({DIK_SPACE});
    ASSERT_EQ(fire_cooldown, 0);
    for (int frame = 0; frame < 13; ++frame) Frame();
    Frame({DIK_SPACE});
    EXPECT_EQ(fire_cooldown, 14);
    Frame({DIK_SPACE});
    EXPECT_EQ(fire_cooldown, 0);
}

TEST_F(PlayTest, BackspaceAbandonsTheGameWithoutTouchingIt)
{
    StartGame(1);
    score = 4500;
    lives = 1;
    level = 6;
    fuel = 321;
    scroll_speed = -3;
    Frame({DIK_BACK, DIK_UP, DIK_SPACE});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(score, 4500);
    EXPECT_EQ(lives, 1);
    EXPECT_EQ(level, 6);
    EXPECT_EQ(fuel, 321);
    EXPECT_EQ(scroll_speed, -3);

    Frame({DIK_N});
    Frame({DIK_E});
    Frame();
    EXPECT_EQ(score, 0);
    EXPECT_EQ(lives, MAX_LIVES);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(fuel, FUEL_FULL);
}

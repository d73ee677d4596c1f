// What a completed level gives back, and a last level completed while dying.
#include "tests/play/play_fixture.h"

TEST_F(PlayTest, CompletedLevelGivesOneShipBackUpToThreeAndAFullTank)
{
    for (const auto& [before, after] : {std::pair{3, 3}, {1, 2}, {0, 1}}) {
        lives = before;
        level = 4;
        fuel = 12;
        game_state = STATE_LEVEL_COMPLETE;
        Frame();
        EXPECT_EQ(lives, after);
        EXPECT_EQ(fuel, FUEL_FULL);
        EXPECT_EQ(game_state, STATE_START_LIFE);
    }
}

TEST_F(PlayTest, TenthLevelCompletedDuringDyingFinishesTheGameUnlessNoShipIsLeft)
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

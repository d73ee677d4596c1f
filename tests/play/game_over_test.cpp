// A whole game lost: four ships, four crashes, and the game-over screen
// with the score.
#include "game/enemies.h"
#include "play_fixture.h"
#include "shown_text.h"

TEST_F(PlayTest, FourDeathsLeadToTheGameOverScreenWithTheScore)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(3600));
    ShootEnemyAhead(&boats[5]);
    ASSERT_EQ(score, 300);

    for (int death = 1; death <= 4; ++death) {
        SCOPED_TRACE(death);
        int frames = 0;
        while (game_state == STATE_PLAYING && frames++ < 200) Frame({DIK_LEFT});
        ASSERT_EQ(game_state, STATE_DYING);
        for (int dying = 0; dying < DEATH_FRAMES; ++dying) Frame();
        EXPECT_EQ(lives, MAX_LIVES - death);
        if (death < 4) {
            ASSERT_EQ(game_state, STATE_START_LIFE);
            Frame();
            ClearAllEnemies();
        }
    }
    EXPECT_EQ(game_state, STATE_GAME_OVER);
    Frame();
    EXPECT_TRUE(ShowsText("00000300", 316, 340, IsWhite));
    EXPECT_EQ(score, 300);
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

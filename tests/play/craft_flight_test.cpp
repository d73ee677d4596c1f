// The craft in play: the banks, the bridge, the enemies, and the dying frames
// in which the unseen craft flies on.
#include "game/bridge.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

TEST_F(PlayTest, TheUnseenCraftMeetsTheBankAgainInEveryDyingFrame)
{
    StartGame();
    for (int step = 0; game_state == STATE_PLAYING && step < 60; ++step) Frame({DIK_LEFT});
    ASSERT_EQ(game_state, STATE_DYING);
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], craft.vars[VAR_WORLD_X]);
    // Without keys the last step goes on, with a fresh explosion each time.
    for (int dying = 1; dying < DEATH_FRAMES; ++dying) {
        EXPECT_EQ(ActiveExplosions(), dying < EXPLOSION_POOL_SIZE ? dying : EXPLOSION_POOL_SIZE) << dying;
        Frame();
    }
}

TEST_F(PlayTest, RammingTheStandingBridgeScoresNothingAndTheLevelEndsDuringTheDyingFrames)
{
    StartGame();
    EXPECT_FALSE(ClimbTo(0));
    EXPECT_EQ(bridge.state, 0);
    EXPECT_EQ(score, 0);
    ASSERT_EQ(ActiveExplosions(), 2);
    EXPECT_EQ(explosions[1].vars[VAR_DRAW_WIDTH], BRIDGE_EXPLOSION_SIZE);
    EXPECT_EQ(explosions[1].vars[VAR_WORLD_Y], bridge_y);
    // The unseen craft climbs on through where the bridge stood to the top,
    // which ends the dying sequence as a completed level, without a ship lost.
    int dying = 0;
    while (game_state == STATE_DYING) {
        Frame();
        ++dying;
    }
    EXPECT_LT(dying, DEATH_FRAMES);
    EXPECT_EQ(game_state, STATE_LEVEL_COMPLETE);
    EXPECT_EQ(level, 1);
    Frame();
    EXPECT_EQ(lives, MAX_LIVES);
}

TEST_F(PlayTest, RammingAnEnemyEndsTheLifeForNoPointsAndThatKindsUpdate)
{
    StartGame();
    // Boat 0 sits on the hovering craft; boat 1 waits a frame, cruisers move.
    for (Sprite* enemy : {&boats[0], &boats[1], &cruisers[0]}) {
        enemy->state = 1;
        enemy->xv = 2.0f;
        enemy->vars[VAR_WORLD_X] = craft_start_x;
        enemy->vars[VAR_WORLD_Y] = CraftWorldY() - (enemy == &boats[0] ? 0 : 200);
    }
    Frame();
    EXPECT_EQ(boats[0].state, 0);
    EXPECT_EQ(boats[1].vars[VAR_WORLD_X], craft_start_x);
    EXPECT_EQ(cruisers[0].vars[VAR_WORLD_X], craft_start_x + 2);
    EXPECT_EQ(ActiveExplosions(), 2);
    EXPECT_EQ(GetSoundStatus(explosion_sounds[0]) & DSBSTATUS_PLAYING, DSBSTATUS_PLAYING);
    // The unseen craft still rams what it meets, for no points.
    cruisers[0].vars[VAR_WORLD_Y] = CraftWorldY();
    cruisers[0].vars[VAR_WORLD_X] = craft.vars[VAR_WORLD_X];
    Frame();
    EXPECT_EQ(cruisers[0].state, 0);
    EXPECT_EQ(ActiveExplosions(), 4);
    EXPECT_EQ(score, 0);
}

// The bridge and the end of a level: shot down for points, rammed, and the
// climb to world y 48 that completes the level, also during a dying sequence.
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "play_fixture.h"

namespace {

constexpr int LEVEL_END_Y = 48;

}  // namespace

TEST_F(PlayTest, BridgeShotDownForTwoThousandAndTheLevelEndsAtFortyEight)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(600));
    int frames = 0;
    while (bridge.state == 1 && frames++ < 200) {
        fuel = FUEL_FULL;
        Frame({DIK_UP, DIK_SPACE});
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    EXPECT_EQ(bridge.state, 0);
    EXPECT_EQ(score, 2000);
    ASSERT_GT(CraftWorldY(), LEVEL_END_Y + 10);

    // The slowest speed on easy, to meet 49 and then 48 exactly.
    Frame({DIK_DOWN});
    Frame({DIK_DOWN});
    Frame({DIK_DOWN});
    Frame({DIK_DOWN});
    ASSERT_EQ(scroll_speed, -1);
    while (CraftWorldY() > LEVEL_END_Y + 1) {
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    EXPECT_EQ(level, 0);
    Frame();
    EXPECT_EQ(CraftWorldY(), LEVEL_END_Y);
    EXPECT_EQ(game_state, STATE_LEVEL_COMPLETE);
    EXPECT_EQ(level, 1);

    lives = 1;
    Frame();
    EXPECT_EQ(game_state, STATE_START_LIFE);
    EXPECT_EQ(lives, 2);
    EXPECT_EQ(fuel, FUEL_FULL);
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(bridge.state, 1);
    EXPECT_EQ(camera_y, CAMERA_START_Y);
}

TEST_F(PlayTest, RammingTheStandingBridgeCostsTheCraftAndScoresNothing)
{
    StartGame();
    ClearAllEnemies();
    EXPECT_FALSE(ClimbTo(0));
    EXPECT_EQ(game_state, STATE_DYING);
    EXPECT_GT(CraftWorldY(), LEVEL_END_Y);
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(bridge.state, 0);
    EXPECT_EQ(score, 0);
    ASSERT_EQ(ActiveExplosions(), 2);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_WIDTH], EXPLOSION_SIZE);
    EXPECT_EQ(explosions[1].vars[VAR_DRAW_WIDTH], BRIDGE_EXPLOSION_SIZE);
    EXPECT_EQ(explosions[1].vars[VAR_WORLD_X], bridge_x);
    EXPECT_EQ(explosions[1].vars[VAR_WORLD_Y], bridge_y);

    // The unseen craft climbs on; with the bridge down it reaches the top,
    // which ends the dying sequence as a completed level, without a ship lost.
    int dying = 0;
    while (game_state == STATE_DYING) {
        Frame();
        ++dying;
    }
    EXPECT_LT(dying, DEATH_FRAMES);
    EXPECT_EQ(game_state, STATE_LEVEL_COMPLETE);
    EXPECT_LE(CraftWorldY(), LEVEL_END_Y);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(death_frames, dying);
    Frame();
    EXPECT_EQ(lives, MAX_LIVES);
    EXPECT_EQ(game_state, STATE_START_LIFE);
}

class LastLevelTest : public PlayTest, public ::testing::WithParamInterface<int> {};

// The tenth level completed on the fourteenth frame of a dying sequence:
// with a ship left the game is finished; the last ship lost ends it.
TEST_P(LastLevelTest, TenthLevelCompletedOnTheLastDyingFrame)
{
    const int lives_before = GetParam();
    StartGame(DIK_E, MAX_LEVELS - 1);
    ClearAllEnemies();
    lives = lives_before;
    ASSERT_TRUE(ClimbTo(600));
    while (bridge.state == 1) {
        fuel = FUEL_FULL;
        Frame({DIK_UP, DIK_SPACE});
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    // The tank runs dry at most this high; fourteen more frames at 5 a
    // frame then reach 48, and thirteen do not.
    const int highest_crash_y = LEVEL_END_Y + 5 * DEATH_FRAMES;
    ASSERT_EQ(scroll_speed, -5);
    while (CraftWorldY() - 5 > highest_crash_y) {
        fuel = FUEL_FULL;
        Frame({DIK_UP});
    }
    fuel = 5;
    Frame({DIK_UP});
    ASSERT_EQ(game_state, STATE_DYING);
    const int world_y = CraftWorldY();
    ASSERT_GT(world_y - 5 * (DEATH_FRAMES - 1), LEVEL_END_Y);
    ASSERT_LE(world_y - 5 * DEATH_FRAMES, LEVEL_END_Y);
    for (int dying = 1; dying < DEATH_FRAMES; ++dying) {
        Frame();
        ASSERT_EQ(game_state, STATE_DYING);
    }
    Frame();
    EXPECT_EQ(level, MAX_LEVELS);
    EXPECT_EQ(lives, lives_before - 1);
    if (lives_before > 0) {
        EXPECT_EQ(game_state, STATE_GAME_FINISHED);
    } else {
        EXPECT_EQ(game_state, STATE_GAME_OVER);
    }
    // The end screen shows; Backspace then leads back to the main menu.
    Frame();
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

INSTANTIATE_TEST_SUITE_P(ShipsLeft, LastLevelTest, ::testing::Values(2, 0));

TEST_F(PlayTest, LifeStartOutsideTheLevelTablesPlacesNothing)
{
    StartGame();
    for (const int outside : {MAX_LEVELS, -1, 1000000}) {
        level = outside;
        game_state = STATE_START_LIFE;
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
        for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) {
            for (const Sprite& enemy : enemy_pools[kind]) EXPECT_EQ(enemy.state, 0);
        }
        for (const Sprite& depot : fuel_depots) EXPECT_EQ(depot.state, 0);
        EXPECT_EQ(bridge.state, 1);
    }
}

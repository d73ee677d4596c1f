// The craft's climb, the camera band and the river banks.
#include "game/camera.h"
#include "game/craft.h"
#include "game/explosions.h"
#include "play_fixture.h"

namespace {

constexpr int START_SCREEN_Y = 392;
constexpr int BAND_TOP_Y = 262;

}  // namespace

TEST_F(PlayTest, CraftClimbsTheScreenToTheBandThenTheCameraScrolls)
{
    StartGame();
    ClearAllEnemies();
    scroll_speed = -5;
    EXPECT_EQ(static_cast<int>(craft.y), START_SCREEN_Y);
    for (int y = START_SCREEN_Y - 5; y >= BAND_TOP_Y; y -= 5) {
        Frame({DIK_UP});
        ASSERT_EQ(static_cast<int>(craft.y), y);
        ASSERT_EQ(camera_y, CAMERA_START_Y);
    }
    for (int step = 1; step <= 20; ++step) {
        Frame({DIK_UP});
        ASSERT_EQ(static_cast<int>(craft.y), BAND_TOP_Y);
        ASSERT_EQ(camera_y, CAMERA_START_Y - 5 * step);
    }
    EXPECT_EQ(CraftWorldY(), craft_start_y + CAMERA_START_Y - 5 * 46);
    EXPECT_EQ(fuel, FUEL_FULL - 5 * 46);
}

TEST_F(PlayTest, CraftOnTheBandsEdgesMovesWhileTheCameraStays)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(3500));
    for (const int edge : {264, 216}) {
        craft.vars[VAR_WORLD_Y] = camera_y + edge + CRAFT_HEIGHT / 2;
        craft.y = static_cast<float>(edge);
        const int camera_before = camera_y;
        Frame({DIK_UP});
        EXPECT_EQ(camera_y, camera_before);
        EXPECT_EQ(static_cast<int>(craft.y), edge - 5);
    }
}

TEST_F(PlayTest, CameraComesToRestAboveZeroAndTheCraftClimbsOn)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(250));
    EXPECT_GE(camera_y, 1);
    EXPECT_LE(camera_y, 5);
    const int resting = camera_y;
    const float screen_y = craft.y;
    ASSERT_LT(screen_y, static_cast<float>(BAND_TOP_Y));
    Frame({DIK_UP});
    EXPECT_EQ(camera_y, resting);
    EXPECT_EQ(craft.y, screen_y - 5.0f);
}

TEST_F(PlayTest, BankContactEndsTheLifeAndTheUnseenCraftKeepsHittingIt)
{
    StartGame();
    ClearAllEnemies();
    int frames = 0;
    while (game_state == STATE_PLAYING && frames < 60) {
        Frame({DIK_LEFT});
        ++frames;
    }
    ASSERT_EQ(game_state, STATE_DYING);
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(craft.curr_frame, CRAFT_FRAME_LEFT);
    // The crash is taken back to where the craft was before the last step.
    EXPECT_EQ(CraftWorldX(), craft_start_x - 4 * (frames - 1));
    EXPECT_EQ(ActiveExplosions(), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], CraftWorldX());

    // Without keys the last step goes on: the unseen craft meets the bank
    // again in every dying frame, with a fresh explosion each time.
    for (int dying = 1; dying < 7; ++dying) {
        Frame();
        ASSERT_EQ(game_state, STATE_DYING);
        EXPECT_EQ(ActiveExplosions(), 1 + dying);
        EXPECT_EQ(CraftWorldX(), craft_start_x - 4 * (frames - 1));
    }
    for (int dying = 7; dying < DEATH_FRAMES; ++dying) Frame();
    EXPECT_EQ(lives, MAX_LIVES);
    Frame();
    EXPECT_EQ(lives, MAX_LIVES - 1);
    EXPECT_EQ(game_state, STATE_START_LIFE);
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(craft.state, CRAFT_ALIVE);
    EXPECT_EQ(CraftWorldX(), craft_start_x);
    EXPECT_EQ(ActiveExplosions(), 0);
}

TEST_F(PlayTest, SteeringSetsTheCraftsFrame)
{
    StartGame();
    ClearAllEnemies();
    Frame({DIK_RIGHT});
    EXPECT_EQ(craft.curr_frame, CRAFT_FRAME_RIGHT);
    Frame({DIK_LEFT, DIK_RIGHT});
    EXPECT_EQ(craft.curr_frame, CRAFT_FRAME_RIGHT);
    Frame({DIK_LEFT});
    EXPECT_EQ(craft.curr_frame, CRAFT_FRAME_LEFT);
    Frame();
    EXPECT_EQ(craft.curr_frame, CRAFT_FRAME_LEVEL);
}

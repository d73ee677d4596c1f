// The river's pieces inside the running game: placed again at every life
// start, moved and drawn by the play frame, and the dying frame's rules.
#include "app/game_state.h"
#include "app/shell.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"
#include "river_fixture.h"

namespace {

constexpr int LAND = 200;
constexpr int WATER = 40;

class LifeTest : public ArtFolderTest {
protected:
    void SetUp() override
    {
        ArtFolderTest::SetUp();
        WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 8, [](int tile, int, int) -> uint8_t {
            return tile == 30 ? LAND : WATER;
        });
        auto numbered = [](int i, int, int) { return static_cast<uint8_t>(100 + i); };
        WriteCellSheet("missle.bmp", 8, 8, 8, 2, numbered);
        WriteCellSheet("explosion.bmp", 48, 48, 6, 3, numbered);
        WriteCellSheet("fuel.bmp", 48, 96, 1, 1, [](int, int, int) { return uint8_t{60}; });
        WriteCellSheet("bridge.bmp", 128, 64, 1, 1, [](int, int, int) { return uint8_t{70}; });
        HeadlessSetTicks(1000);
        AppStartUp();
    }

    void TearDown() override
    {
        AppShutDown();
        ArtFolderTest::TearDown();
    }

    static void Frame(std::vector<int> keys = {})
    {
        HeadlessHoldKeys(keys.data(), static_cast<int>(keys.size()));
        AppFrame();
    }

    static void StartPlaying(int level_index)
    {
        game_state = STATE_NEW_GAME;
        Frame();
        level = level_index;
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }

    static int Count(const Sprite* pool, int size)
    {
        int count = 0;
        for (int i = 0; i < size; ++i) count += pool[i].state == 1 ? 1 : 0;
        return count;
    }

    static int ShownPixel(int x, int y)
    {
        const HeadlessFrame* frame = HeadlessLastFrame();
        return frame ? frame->pixels[static_cast<size_t>(y * frame->width + x)] : -1;
    }
};

}  // namespace

TEST_F(LifeTest, EveryLifeStartPlacesDepotsAndBridgeAgainAndEmptiesThePools)
{
    StartPlaying(0);
    EXPECT_EQ(Count(fuel_depots, FUEL_DEPOT_POOL_SIZE), 6);
    EXPECT_EQ(bridge.state, 1);

    fuel_depots[2].state = 0;
    bridge.state = 0;
    FireMissile(300, 2000, 0, -6, OWNER_PLAYER);
    StartExplosion(300, 2000, 48, 48, 0, 0);
    camera_y = 1000;

    game_state = STATE_START_LIFE;
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(camera_y, CAMERA_START_Y);
    EXPECT_EQ(Count(fuel_depots, FUEL_DEPOT_POOL_SIZE), 6);
    EXPECT_EQ(fuel_depots[2].vars[VAR_WORLD_Y], 1560);
    EXPECT_EQ(bridge.state, 1);
    EXPECT_EQ(Count(missiles, MISSILE_POOL_SIZE), 0);
    EXPECT_EQ(Count(explosions, EXPLOSION_POOL_SIZE), 0);

    // The next level's life places that level's depots, the mended one too.
    level = 3;
    game_state = STATE_START_LIFE;
    Frame();
    EXPECT_EQ(Count(fuel_depots, FUEL_DEPOT_POOL_SIZE), 5);
    EXPECT_EQ(fuel_depots[4].vars[VAR_WORLD_Y], 2940);
}

TEST_F(LifeTest, ShotFromThePlayFrameFliesInThatFrameOverTheDrawnTerrain)
{
    StartPlaying(0);
    Frame({DIK_SPACE});
    const Sprite& missile = missiles[0];
    ASSERT_EQ(missile.state, 1);
    EXPECT_EQ(missile.anim_done, OWNER_PLAYER);
    // Fired from the craft's centre + (4, -9), then moved once at -6.
    EXPECT_EQ(missile.vars[VAR_WORLD_X], craft.vars[VAR_WORLD_X]);
    EXPECT_EQ(missile.vars[VAR_WORLD_Y], craft.vars[VAR_WORLD_Y] - 13 - 6);
    EXPECT_EQ(missile.aux[AUX_AGE], 1);
    // The frame shown holds the terrain: land at the left, water mid-river.
    EXPECT_EQ(ShownPixel(10, 10), LAND);
    EXPECT_EQ(ShownPixel(300, 100), WATER);
    // And the missile, drawn after the updates, at its new place.
    const int left = missile.vars[VAR_WORLD_X] - 4;
    const int top = missile.vars[VAR_WORLD_Y] - 4 - camera_y;
    EXPECT_EQ(ShownPixel(left, top), 100);
}

TEST_F(LifeTest, PlayersMissileBringsADepotDownDuringPlay)
{
    StartPlaying(0);
    FireMissile(234, 3160, 0, -6, OWNER_PLAYER);
    for (int frame = 0; frame < 10; ++frame) Frame();
    EXPECT_EQ(fuel_depots[5].state, 0);
    EXPECT_EQ(score, FUEL_DEPOT_SCORE);
    EXPECT_EQ(missiles[0].state, 0);
    EXPECT_EQ(Count(explosions, EXPLOSION_POOL_SIZE), 1);
    EXPECT_EQ(Count(fuel_depots, FUEL_DEPOT_POOL_SIZE), 5);
}

TEST_F(LifeTest, DyingFramesClearTheMissilesWhileExplosionsPlayOn)
{
    StartPlaying(0);
    FireMissile(300, 3500, 0, -6, OWNER_PLAYER);
    StartExplosion(300, 3600, 48, 48, 0, 0);
    game_state = STATE_DYING;
    Frame();
    EXPECT_EQ(Count(missiles, MISSILE_POOL_SIZE), 0);
    ASSERT_EQ(explosions[0].state, 1);
    EXPECT_EQ(explosions[0].curr_frame, 1);
    // The terrain is drawn under the dying scene too.
    EXPECT_EQ(ShownPixel(10, 10), LAND);
}

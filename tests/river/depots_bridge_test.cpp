// Fuel depots and the bridge: placement, the player's missiles that bring
// them down, and what that scores.
#include "app/game_state.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/level_objects.h"
#include "game/missiles.h"
#include "river_fixture.h"

namespace {

class TargetTest : public RiverTest {
protected:
    void SetUp() override
    {
        RiverTest::SetUp();
        WriteCellSheet("fuel.bmp", 48, 96, 1, 1, [](int, int, int) { return uint8_t{60}; });
        WriteCellSheet("bridge.bmp", 128, 64, 1, 1, [](int, int, int) { return uint8_t{70}; });
        ASSERT_EQ(LoadFuelDepots(), 1);
        ASSERT_EQ(LoadBridge(), 1);
        LoadMissiles();
        LoadExplosions();
        camera_x = 0;
        camera_y = CAMERA_START_Y;
        score = 0;
        level = 0;
    }

    void TearDown() override
    {
        DestroyFuelDepots();
        DestroyBridge();
        DestroyMissiles();
        DestroyExplosions();
        RiverTest::TearDown();
    }

    static int Standing()
    {
        int count = 0;
        for (const Sprite& depot : fuel_depots) count += depot.state == 1 ? 1 : 0;
        return count;
    }

    static int Playing()
    {
        int count = 0;
        for (const Sprite& explosion : explosions) count += explosion.state == 1 ? 1 : 0;
        return count;
    }

    // A player's missile whose centre ends up at world (x, y).
    static void MissileAt(int x, int y, int owner = OWNER_PLAYER)
    {
        FireMissile(x + 4, y + 4, 0, 0, owner);
    }
};

}  // namespace

TEST_F(TargetTest, EachLevelPlacesItsDepotRowsInRowOrder)
{
    const int expected_depots[LEVEL_COUNT] = {6, 6, 5, 5, 4, 4, 4, 4, 4, 4};
    for (int l = 0; l < LEVEL_COUNT; ++l) {
        level = l;
        ClearFuelDepots();
        PlaceFuelDepots();
        EXPECT_EQ(Standing(), expected_depots[l]) << "level " << l + 1;
        int slot = 0;
        for (int r = 0; r < level_object_counts[l]; ++r) {
            const LevelObject& row = level_objects[l][r];
            if (row.kind != OBJECT_FUEL_DEPOT) continue;
            EXPECT_EQ(fuel_depots[slot].vars[VAR_WORLD_X], row.x) << l + 1 << " slot " << slot;
            EXPECT_EQ(fuel_depots[slot].vars[VAR_WORLD_Y], row.y) << l + 1 << " slot " << slot;
            ++slot;
        }
        for (int s = slot; s < FUEL_DEPOT_POOL_SIZE; ++s) EXPECT_EQ(fuel_depots[s].state, 0);
    }
}

TEST_F(TargetTest, LevelOneDepotsStandInTableOrderOnScreenFromTheStart)
{
    PlaceFuelDepots();
    const int xs[] = {240, 270, 240, 240, 250, 230};
    const int ys[] = {540, 1050, 1560, 2070, 2580, 3090};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(fuel_depots[i].vars[VAR_WORLD_X], xs[i]);
        EXPECT_EQ(fuel_depots[i].vars[VAR_WORLD_Y], ys[i]);
        EXPECT_FLOAT_EQ(fuel_depots[i].x, static_cast<float>(xs[i] - 24));
        EXPECT_FLOAT_EQ(fuel_depots[i].y, static_cast<float>(ys[i] - 48 - CAMERA_START_Y));
        EXPECT_FLOAT_EQ(fuel_depots[i].yv, 0.0f);
    }
    camera_y = 3000;
    FillSurface(back_surface, 0, nullptr);
    DrawFuelDepots();
    // The depot at (230, 3090) covers x 206 to 253 and y 42 to 137 on screen.
    EXPECT_EQ(BackPixel(206, 42), 60);
    EXPECT_EQ(BackPixel(253, 137), 60);
    EXPECT_EQ(BackPixel(205, 42), 0);
    EXPECT_EQ(BackPixel(253, 138), 0);
}

TEST_F(TargetTest, LevelOutsideTheTablesPlacesNoDepot)
{
    for (int outside : {-1, LEVEL_COUNT, 1000}) {
        level = outside;
        PlaceFuelDepots();
        EXPECT_EQ(Standing(), 0) << "level index " << outside;
    }
}

TEST_F(TargetTest, TwoMissilesOnOneDepotTheLowerOneHitsAndTheOtherFliesOn)
{
    PlaceFuelDepots();
    MissileAt(400, 1000);              // slot 0, elsewhere
    MissileAt(230, 3090, OWNER_ENEMY);  // slot 1, enemy missiles pass over
    MissileAt(232, 3080);              // slot 2
    MissileAt(228, 3100);              // slot 3
    HitFuelDepots();
    EXPECT_EQ(fuel_depots[5].state, 0);
    EXPECT_EQ(missiles[1].state, 1);
    EXPECT_EQ(missiles[2].state, 0);
    EXPECT_EQ(missiles[2].aux[AUX_AGE], 0);
    EXPECT_EQ(missiles[3].state, 1);
    EXPECT_EQ(score, FUEL_DEPOT_SCORE);
    ASSERT_EQ(Playing(), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 230);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_Y], 3090);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_WIDTH], 48);

    // Destroyed, it takes no more missiles and gives no more points.
    HitFuelDepots();
    EXPECT_EQ(missiles[3].state, 1);
    EXPECT_EQ(score, FUEL_DEPOT_SCORE);
    EXPECT_EQ(Standing(), 5);
}

TEST_F(TargetTest, OneMissileOverTwoDepotsDestroysOnlyTheLowerNumberedOne)
{
    fuel_depots[0].state = 1;
    fuel_depots[0].vars[VAR_WORLD_X] = 240;
    fuel_depots[0].vars[VAR_WORLD_Y] = 1000;
    fuel_depots[1] = fuel_depots[0];
    fuel_depots[1].vars[VAR_WORLD_Y] = 1010;
    MissileAt(240, 1000);
    HitFuelDepots();
    EXPECT_EQ(fuel_depots[0].state, 0);
    EXPECT_EQ(fuel_depots[1].state, 1);
    EXPECT_EQ(score, FUEL_DEPOT_SCORE);
}

TEST_F(TargetTest, BridgeStandsOverTheTopRowUntilAPlayersMissileBringsItDown)
{
    ClearBridge();
    PlaceBridge();
    EXPECT_EQ(bridge.state, 1);
    EXPECT_EQ(bridge.vars[VAR_WORLD_X], 288);
    EXPECT_EQ(bridge.vars[VAR_WORLD_Y], 32);
    EXPECT_FLOAT_EQ(bridge.y, static_cast<float>(-CAMERA_START_Y));

    camera_y = 63;
    FillSurface(back_surface, 0, nullptr);
    DrawBridge();
    EXPECT_EQ(BackPixel(224, 0), 70) << "on screen once the camera is above 64";
    EXPECT_EQ(BackPixel(351, 0), 70);
    EXPECT_EQ(BackPixel(223, 0), 0);
    EXPECT_EQ(BackPixel(288, 1), 0);

    MissileAt(300, 40, OWNER_ENEMY);  // slot 0
    MissileAt(240, 40);               // slot 1
    MissileAt(250, 30);               // slot 2
    HitBridge();
    EXPECT_EQ(bridge.state, 0);
    EXPECT_EQ(missiles[0].state, 1);
    EXPECT_EQ(missiles[1].state, 0);
    EXPECT_EQ(missiles[2].state, 1);
    EXPECT_EQ(score, BRIDGE_SCORE);
    ASSERT_EQ(Playing(), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 288);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_WIDTH], 64);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_HEIGHT], 64);

    HitBridge();
    EXPECT_EQ(missiles[2].state, 1) << "missiles fly through where it stood";
    EXPECT_EQ(score, BRIDGE_SCORE);
    FillSurface(back_surface, 0, nullptr);
    DrawBridge();
    EXPECT_EQ(BackPixel(224, 0), 0);
}

TEST_F(TargetTest, MissingArtLeavesTargetsThatStillTakeHits)
{
    DestroyFuelDepots();
    DestroyBridge();
    std::filesystem::remove("art/fuel.bmp");
    std::filesystem::remove("art/bridge.bmp");
    EXPECT_EQ(LoadFuelDepots(), 0);
    EXPECT_EQ(LoadBridge(), 0);
    PlaceFuelDepots();
    PlaceBridge();
    camera_y = 0;
    FillSurface(back_surface, 0, nullptr);
    DrawFuelDepots();
    DrawBridge();
    EXPECT_EQ(BackPixel(288, 32), 0);
    MissileAt(240, 540);
    MissileAt(288, 32);
    HitFuelDepots();
    HitBridge();
    EXPECT_EQ(score, FUEL_DEPOT_SCORE + BRIDGE_SCORE);
}

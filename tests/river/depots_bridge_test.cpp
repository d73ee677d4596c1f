// Fuel depots and the bridge: the player's missiles that bring them down,
// and what that scores.
#include "app/game_state.h"
#include "river_fixture.h"

namespace {

// A missile whose centre ends up at world (x, y).
void MissileAt(int x, int y, int owner = OWNER_PLAYER)
{
    FireMissile(x + 4, y + 4, 0, 0, owner);
}

}  // namespace

TEST_F(RiverTest, OnlyTheLowestPlayersMissileHitsAndOnlyTheLowestDepotUnderIt)
{
    PlaceFuelDepots();
    MissileAt(400, 1000);               // slot 0, elsewhere
    MissileAt(230, 3090, OWNER_ENEMY);  // slot 1, enemy missiles pass over
    MissileAt(232, 3080);               // slot 2
    MissileAt(228, 3100);               // slot 3
    for (int call = 0; call < 2; ++call) {
        // Destroyed, the depot takes no more missiles and gives no more points.
        HitFuelDepots();
        const int flying[] = {1, 1, 0, 1};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(missiles[i].state, flying[i]) << "slot " << i;
        EXPECT_EQ(fuel_depots[5].state, 0);
        EXPECT_EQ(score, FUEL_DEPOT_SCORE);
    }
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 230);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_Y], 3090);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_WIDTH], 48);
    EXPECT_EQ(explosions[1].state, 0);
    // Slot 3's missile under two standing depots.
    for (int d : {3, 4}) {
        fuel_depots[d].vars[VAR_WORLD_X] = 228;
        fuel_depots[d].vars[VAR_WORLD_Y] = 3100;
    }
    HitFuelDepots();
    EXPECT_EQ(fuel_depots[3].state, 0);
    EXPECT_EQ(fuel_depots[4].state, 1);
    EXPECT_EQ(score, 2 * FUEL_DEPOT_SCORE);
}

TEST_F(RiverTest, BridgeStandsOverTheTopRowUntilAPlayersMissileBringsItDown)
{
    ClearBridge();
    PlaceBridge();
    camera_y = 63;
    FillSurface(back_surface, 0, nullptr);
    DrawBridge();
    EXPECT_EQ(BackPixel(224, 0), 70) << "on screen once the camera is above 64";
    EXPECT_EQ(BackPixel(351, 0), 70);
    EXPECT_EQ(BackPixel(223, 0) + BackPixel(288, 1), 0);

    MissileAt(300, 40, OWNER_ENEMY);  // slot 0
    MissileAt(240, 40);               // slot 1
    MissileAt(250, 30);               // slot 2
    HitBridge();
    EXPECT_EQ(bridge.state, 0);
    const int flying[] = {1, 0, 1};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(missiles[i].state, flying[i]) << "slot " << i;
    EXPECT_EQ(score, BRIDGE_SCORE);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 288);
    EXPECT_EQ(explosions[0].vars[VAR_DRAW_WIDTH] + explosions[0].vars[VAR_DRAW_HEIGHT], 128);
    EXPECT_EQ(explosions[1].state, 0);
    HitBridge();
    EXPECT_EQ(missiles[2].state, 1) << "missiles fly through where it stood";
    EXPECT_EQ(score, BRIDGE_SCORE);
    FillSurface(back_surface, 0, nullptr);
    DrawBridge();
    EXPECT_EQ(BackPixel(224, 0), 0);
}

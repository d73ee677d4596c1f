// Fuel depots: the player's missiles that bring them down, and what that
// scores.
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

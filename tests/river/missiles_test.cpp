// The missile pool: launch, flight, lifetime, world bounds and the owners'
// sequences.
#include "river_fixture.h"

TEST_F(RiverTest, CentredFourPixelsUpAndLeftFliesThirtyMovesAndRetiresOnTheThirtyFirst)
{
    ASSERT_EQ(FireMissile(292, 3798, 0, -11, OWNER_PLAYER), 1);
    const Sprite& missile = missiles[0];
    EXPECT_EQ(missile.vars[VAR_WORLD_X], 288);
    EXPECT_EQ(missile.vars[VAR_WORLD_Y], 3794);
    EXPECT_FLOAT_EQ(missile.x, 284.0f);
    EXPECT_FLOAT_EQ(missile.y, 3790.0f);
    for (int move = 1; move <= MISSILE_LIFETIME; ++move) {
        UpdateMissiles();
        ASSERT_EQ(missile.state, 1) << "move " << move;
    }
    EXPECT_EQ(missile.vars[VAR_WORLD_Y], 3794 - 330);
    UpdateMissiles();
    EXPECT_EQ(missile.state, 0);
    EXPECT_EQ(missile.aux[AUX_AGE], 0);
}

TEST_F(RiverTest, WorldBoundsKeepTheEdgesThemselves)
{
    // The centre lands 4 pixels left of and above the point fired from; one
    // still move then checks its place.
    const int cases[][3] = {{644, 2004, 1}, {645, 2004, 0}, {4, 2004, 1},  {3, 2004, 0},
                            {304, 3908, 1}, {304, 3909, 0}, {304, 4, 1}, {304, 3, 0}};
    for (const auto& c : cases) {
        ClearMissiles();
        FireMissile(c[0], c[1], 0, 0, OWNER_ENEMY);
        UpdateMissiles();
        EXPECT_EQ(missiles[0].state, c[2]) << "world " << c[0] - 4 << ", " << c[1] - 4;
    }
}

TEST_F(RiverTest, EachOwnerShowsItsSequenceWhereTheCameraPutsIt)
{
    camera_y = 1000;
    FireMissile(304, 1204, 0, -3, OWNER_PLAYER);
    FireMissile(504, 1204, 0, 0, OWNER_ENEMY);
    UpdateMissiles();
    camera_y = 990;  // the camera moved after the update
    // Player's world centre (300, 1197): corner (296, 1193), 203 on screen.
    const int player[] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1};
    const int enemy[] = {0, 9, 10, 11, 12, 13, 14, 15, 8, 9};
    for (int i = 0; i < 10; ++i) {
        FillSurface(back_surface, 0, nullptr);
        DrawMissiles();
        EXPECT_EQ(BackPixel(296, 203), 100 + player[i]) << i;
        EXPECT_EQ(BackPixel(303, 210), 100 + player[i]) << i;
        EXPECT_EQ(BackPixel(496, 210), 100 + enemy[i]) << i;
    }
    EXPECT_EQ(BackPixel(296, 202) + BackPixel(304, 210), 0);
}

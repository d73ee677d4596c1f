// The missile pool's world bounds.
#include "river_fixture.h"

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

// The explosion pool: thirteen frames each, eight at a time.
#include "river_fixture.h"

TEST_F(RiverTest, ExplosionsShowThirteenFramesAndANinthAtOnceIsDropped)
{
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) ASSERT_EQ(StartExplosion(60 * i, 100, 48, 48, 0, 0), 1);
    EXPECT_EQ(StartExplosion(600, 300, 48, 48, 0, 0), 0);
    for (int frame = 0; frame < 13; ++frame) {
        FillSurface(back_surface, 0, nullptr);
        UpdateExplosions();
        DrawExplosions();
        EXPECT_EQ(BackPixel(60, 100), 100 + frame) << frame;
        EXPECT_EQ(BackPixel(600, 300), 0);
    }
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 0) << "all eight still play their last frame";
    UpdateExplosions();
    EXPECT_EQ(explosions[0].state, 0);
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 400);
}

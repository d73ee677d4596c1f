// The explosion pool: thirteen frames each, eight at a time.
#include "river_fixture.h"

namespace {

void Frame()
{
    FillSurface(back_surface, 0, nullptr);
    UpdateExplosions();
    DrawExplosions();
}

}  // namespace

TEST_F(RiverTest, ShowsFramesZeroToTwelveOnceEachThenFreesItsSlot)
{
    camera_y = 3000;
    // Started after the explosions' own update, and before it: both show
    // thirteen frames.
    UpdateExplosions();
    ASSERT_EQ(StartExplosion(300, 3200, 48, 48, 0, 0), 1);
    FillSurface(back_surface, 0, nullptr);
    DrawExplosions();
    ASSERT_EQ(StartExplosion(100, 3100, 48, 48, 0, 0), 1);
    int drawn = 0;
    for (int frame = 0; frame < 20; ++frame) {
        EXPECT_EQ(BackPixel(300, 200), frame < 13 ? 100 + frame : 0) << frame;
        Frame();
        drawn += BackPixel(100, 100) != 0 ? 1 : 0;
    }
    EXPECT_EQ(drawn, 13);
    EXPECT_EQ(explosions[0].state + explosions[1].state, 0);
}

TEST_F(RiverTest, NinthOfOneFrameIsDroppedAndAFreedSlotServesTheSameFrame)
{
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) {
        EXPECT_EQ(StartExplosion(60 + 60 * i, 100, 48, 48, 0, 0), 1);
    }
    EXPECT_EQ(StartExplosion(600, 300, 48, 48, 0, 0), 0);
    EXPECT_EQ(explosions[EXPLOSION_POOL_SIZE - 1].vars[VAR_WORLD_X], 60 * EXPLOSION_POOL_SIZE);
    Frame();
    EXPECT_EQ(BackPixel(600, 300), 0);
    for (int frame = 1; frame < 13; ++frame) Frame();
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 0) << "all eight still play";
    UpdateExplosions();
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 400);
}

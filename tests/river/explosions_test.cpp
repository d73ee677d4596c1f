// The explosion pool: thirteen frames each, eight at a time, stretched draws.
#include "game/camera.h"
#include "game/explosions.h"
#include "river_fixture.h"

namespace {

class ExplosionTest : public RiverTest {
protected:
    void SetUp() override
    {
        RiverTest::SetUp();
        // Frame i of the sheet is colour 100 + i.
        WriteCellSheet("explosion.bmp", 48, 48, 6, 3,
                       [](int i, int, int) { return static_cast<uint8_t>(100 + i); });
        ASSERT_EQ(LoadExplosions(), 1);
        camera_x = 0;
        camera_y = 0;
    }

    void TearDown() override
    {
        DestroyExplosions();
        RiverTest::TearDown();
    }

    static void Frame()
    {
        FillSurface(back_surface, 0, nullptr);
        UpdateExplosions();
        DrawExplosions();
    }
};

}  // namespace

TEST_F(ExplosionTest, ShowsFramesZeroToTwelveOnceEachThenFreesItsSlot)
{
    camera_y = 3000;
    // Started by an update that runs after the explosions' own.
    FillSurface(back_surface, 0, nullptr);
    UpdateExplosions();
    ASSERT_EQ(StartExplosion(300, 3200, 48, 48, 0, 0), 1);
    DrawExplosions();
    std::vector<int> shown{BackPixel(300, 200)};
    for (int frame = 1; frame < 20; ++frame) {
        Frame();
        shown.push_back(BackPixel(300, 200));
    }
    std::vector<int> expected;
    for (int i = 0; i < 13; ++i) expected.push_back(100 + i);
    expected.resize(20, 0);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(explosions[0].state, 0);
}

TEST_F(ExplosionTest, StartedBeforeTheUpdateItAlsoLastsThirteenFrames)
{
    int drawn = 0;
    StartExplosion(100, 100, 48, 48, 0, 0);
    for (int frame = 0; frame < 20; ++frame) {
        Frame();
        drawn += BackPixel(100, 100) != 0 ? 1 : 0;
    }
    EXPECT_EQ(drawn, 13);
}

TEST_F(ExplosionTest, NinthOfOneFrameIsDropped)
{
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) {
        EXPECT_EQ(StartExplosion(60 + 60 * i, 100, 48, 48, 0, 0), 1);
    }
    EXPECT_EQ(StartExplosion(600, 300, 48, 48, 0, 0), 0);
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) {
        EXPECT_EQ(explosions[i].state, 1);
        EXPECT_EQ(explosions[i].vars[VAR_WORLD_X], 60 + 60 * i);
    }
    Frame();
    EXPECT_EQ(BackPixel(600, 300), 0);
}

TEST_F(ExplosionTest, SlotFreedByTheUpdateServesALaterStartInTheSameFrame)
{
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) StartExplosion(100, 100, 48, 48, 0, 0);
    for (int frame = 0; frame < 13; ++frame) Frame();
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 0) << "all eight still play";
    UpdateExplosions();
    EXPECT_EQ(StartExplosion(400, 300, 48, 48, 0, 0), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 400);
}

TEST_F(ExplosionTest, BridgeSizeIsStretchedFromTheFrameSizedCorner)
{
    camera_y = 0;
    StartExplosion(288, 32, 64, 64, 0, 0);
    FillSurface(back_surface, 0, nullptr);
    DrawExplosions();
    // Corner (264, 8), reaching 40 pixels right of and below the anchor.
    EXPECT_EQ(BackPixel(264, 8), 100);
    EXPECT_EQ(BackPixel(327, 71), 100);
    EXPECT_EQ(BackPixel(263, 8), 0);
    EXPECT_EQ(BackPixel(264, 7), 0);
    EXPECT_EQ(BackPixel(328, 71), 0);
    EXPECT_EQ(BackPixel(327, 72), 0);
}

TEST_F(ExplosionTest, VelocityMovesTheAnchorInWholePixels)
{
    StartExplosion(200, 200, 48, 48, 3, -2);
    UpdateExplosions();
    UpdateExplosions();
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], 206);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_Y], 196);
}

TEST_F(ExplosionTest, CopiesShareTheFirstSlotsFramesAndMissingArtDrawsNothing)
{
    for (const Sprite& explosion : explosions) {
        EXPECT_EQ(explosion.frames[13], explosions[0].frames[13]);
        EXPECT_EQ(explosion.vars[VAR_DRAW_WIDTH], 48);
    }
    DestroyExplosions();
    std::filesystem::remove("art/explosion.bmp");
    EXPECT_EQ(LoadExplosions(), 0);
    StartExplosion(100, 100, 48, 48, 0, 0);
    int frames = 0;
    for (int frame = 0; frame < 20; ++frame) {
        Frame();
        EXPECT_EQ(BackPixel(100, 100), 0);
        frames += explosions[0].state;
    }
    EXPECT_EQ(frames, 13) << "the explosion still runs its course unseen";
}

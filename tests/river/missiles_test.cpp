// The missile pool: launch, flight, lifetime, world bounds, the bank, the
// pool's limits and the owners' sequences.
#include "game/camera.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "river_fixture.h"

namespace {

class MissileTest : public RiverTest {
protected:
    void SetUp() override
    {
        RiverTest::SetUp();
        // Frame i of the sheet is colour 100 + i.
        WriteCellSheet("missle.bmp", 8, 8, 8, 2,
                       [](int i, int, int) { return static_cast<uint8_t>(100 + i); });
        ASSERT_EQ(LoadMissiles(), 1);
        camera_x = 0;
        camera_y = CAMERA_START_Y;
        FillSurface(back_surface, 0, nullptr);
    }

    void TearDown() override
    {
        DestroyMissiles();
        RiverTest::TearDown();
    }

    static int Flying()
    {
        int count = 0;
        for (const Sprite& missile : missiles) count += missile.state == 1 ? 1 : 0;
        return count;
    }
};

}  // namespace

TEST_F(MissileTest, FiredMissileIsCentredFourPixelsUpAndLeftOfThePoint)
{
    ASSERT_EQ(FireMissile(292, 3798, 0, -6, OWNER_PLAYER), 1);
    const Sprite& missile = missiles[0];
    EXPECT_EQ(missile.state, 1);
    EXPECT_EQ(missile.vars[VAR_WORLD_X], 288);
    EXPECT_EQ(missile.vars[VAR_WORLD_Y], 3794);
    EXPECT_FLOAT_EQ(missile.x, 284.0f);
    EXPECT_FLOAT_EQ(missile.y, 3790.0f - CAMERA_START_Y);
    EXPECT_FLOAT_EQ(missile.yv, -6.0f);
    EXPECT_EQ(missile.anim_done, OWNER_PLAYER);
    EXPECT_EQ(missile.aux[AUX_AGE], 0);
    EXPECT_EQ(missile.curr_frame, 0);
}

TEST_F(MissileTest, FliesThirtyMovesAndRetiresOnTheThirtyFirst)
{
    FireMissile(300, 2004, 0, -11, OWNER_PLAYER);
    for (int move = 1; move <= MISSILE_LIFETIME; ++move) {
        UpdateMissiles();
        ASSERT_EQ(missiles[0].state, 1) << "move " << move;
        EXPECT_EQ(missiles[0].aux[AUX_AGE], move);
    }
    EXPECT_EQ(missiles[0].vars[VAR_WORLD_Y], 2000 - 330);
    UpdateMissiles();
    EXPECT_EQ(missiles[0].state, 0);
    EXPECT_EQ(missiles[0].aux[AUX_AGE], 0);
}

TEST_F(MissileTest, WorldBoundsKeepTheEdgesThemselves)
{
    // The missile's centre lands 4 pixels left of and above the point fired
    // from; one still move then checks its place.
    struct Case {
        int x;
        int y;
        int flying;
    };
    const Case cases[] = {
        {644, 2004, 1}, {645, 2004, 0}, {4, 2004, 1},    {3, 2004, 0},
        {304, 3908, 1}, {304, 3909, 0}, {304, 4, 1},     {304, 3, 0},
    };
    for (const Case& c : cases) {
        ClearMissiles();
        FireMissile(c.x, c.y, 0, 0, OWNER_ENEMY);
        UpdateMissiles();
        EXPECT_EQ(missiles[0].state, c.flying)
            << "world " << c.x - 4 << ", " << c.y - 4;
    }
}

TEST_F(MissileTest, WorldPositionTruncatesTowardsZero)
{
    FireMissile(104, 104, 0, 0, OWNER_PLAYER);
    missiles[0].xv = 2.5f;
    missiles[0].yv = -2.5f;
    UpdateMissiles();
    EXPECT_EQ(missiles[0].vars[VAR_WORLD_X], 102);
    EXPECT_EQ(missiles[0].vars[VAR_WORLD_Y], 97);
    EXPECT_FLOAT_EQ(missiles[0].x, 98.5f) << "the screen corner is not truncated";
}

TEST_F(MissileTest, FullPoolLosesTheShotAndTheLowestFreeSlotIsTakenNext)
{
    for (int i = 0; i < MISSILE_POOL_SIZE; ++i) {
        ASSERT_EQ(FireMissile(300, 2000 + i, 0, 0, OWNER_PLAYER), 1);
    }
    EXPECT_EQ(FireMissile(200, 1000, 0, 0, OWNER_ENEMY), 0);
    EXPECT_EQ(Flying(), MISSILE_POOL_SIZE);
    for (int i = 0; i < MISSILE_POOL_SIZE; ++i) {
        EXPECT_EQ(missiles[i].vars[VAR_WORLD_Y], 1996 + i) << "slot " << i;
    }

    RetireMissile(&missiles[40]);
    RetireMissile(&missiles[7]);
    FireMissile(200, 1004, 0, 0, OWNER_ENEMY);
    EXPECT_EQ(missiles[7].state, 1);
    EXPECT_EQ(missiles[7].vars[VAR_WORLD_Y], 1000);
    EXPECT_EQ(missiles[40].state, 0);
    FireMissile(200, 1104, 0, 0, OWNER_ENEMY);
    EXPECT_EQ(missiles[40].vars[VAR_WORLD_Y], 1100);
}

TEST_F(MissileTest, UnknownOwnerLaunchesNothing)
{
    EXPECT_EQ(FireMissile(300, 2000, 0, 0, 2), 0);
    EXPECT_EQ(FireMissile(300, 2000, 0, 0, -1), 0);
    EXPECT_EQ(Flying(), 0);
}

TEST_F(MissileTest, EnemyMissileShowsFrameZeroThenItsOwnSequence)
{
    camera_y = 0;
    FireMissile(104, 104, 0, 0, OWNER_ENEMY);
    const int expected[] = {0, 9, 10, 11, 12, 13, 14, 15, 8, 9};
    for (int frame : expected) {
        FillSurface(back_surface, 0, nullptr);
        DrawMissiles();
        EXPECT_EQ(BackPixel(99, 99), 100 + frame);
    }
}

TEST_F(MissileTest, PlayerMissileLoopsThroughFramesOneToSevenAndZero)
{
    FireMissile(104, 3504, 0, 0, OWNER_PLAYER);
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        shown.push_back(missiles[0].curr_frame);
        DrawMissiles();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0, 1}));
}

TEST_F(MissileTest, DrawPlacesTheMissileFromItsWorldPositionAndTheCamera)
{
    camera_y = 1000;
    FireMissile(304, 1204, 0, -3, OWNER_PLAYER);
    UpdateMissiles();
    camera_y = 990;  // the camera moved after the update
    FillSurface(back_surface, 0, nullptr);
    DrawMissiles();
    // World centre (300, 1197): corner (296, 1193) on the map, 203 on screen.
    EXPECT_EQ(BackPixel(296, 203), 100);
    EXPECT_EQ(BackPixel(303, 210), 100);
    EXPECT_EQ(BackPixel(296, 202), 0);
    EXPECT_EQ(BackPixel(304, 210), 0);
}

TEST_F(MissileTest, BankUnderTheMissileRetiresItWhateverItsOwner)
{
    // Land in a bank colour, water outside the bank range.
    WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 8, [](int tile, int, int) -> uint8_t {
        return tile == 30 ? 200 : 40;
    });
    LoadTerrain();
    DrawTerrain();
    // Screen rows 0 to 128 show map rows 52 to 54, all "NNBOOOOOCN": column 1
    // is land, columns 3 to 7 water.
    FireMissile(104, 3504, 0, -1, OWNER_ENEMY);   // over land
    FireMissile(304, 3504, 0, -1, OWNER_PLAYER);  // over water
    FireMissile(104, 3504, 0, -1, OWNER_PLAYER);  // over land
    UpdateMissiles();
    EXPECT_EQ(missiles[0].state, 0);
    EXPECT_EQ(missiles[1].state, 1);
    EXPECT_EQ(missiles[2].state, 0);

    // Missiles above the screen are tested against its top row.
    ClearMissiles();
    FireMissile(104, 3000, 0, 0, OWNER_PLAYER);
    FireMissile(304, 3000, 0, 0, OWNER_PLAYER);
    UpdateMissiles();
    EXPECT_EQ(missiles[0].state, 0);
    EXPECT_EQ(missiles[1].state, 1);
    DestroyTerrain();
}

TEST_F(MissileTest, EverySlotSharesTheFirstSlotsFramesAndSequences)
{
    for (const Sprite& missile : missiles) {
        EXPECT_EQ(missile.frames[15], missiles[0].frames[15]);
        EXPECT_EQ(missile.anims[OWNER_ENEMY], missiles[0].anims[OWNER_ENEMY]);
        EXPECT_NE(missile.frames[15], nullptr);
    }
    EXPECT_EQ(DestroyMissiles(), 1);
    for (const Sprite& missile : missiles) {
        EXPECT_EQ(missile.frames[0], nullptr);
        EXPECT_EQ(missile.anims[OWNER_PLAYER], nullptr);
    }
}

TEST_F(MissileTest, MissingSheetLeavesInvisibleMissilesThatStillFly)
{
    DestroyMissiles();
    std::filesystem::remove("art/missle.bmp");
    EXPECT_EQ(LoadMissiles(), 0);
    camera_y = 0;
    FireMissile(104, 104, 0, -2, OWNER_PLAYER);
    UpdateMissiles();
    EXPECT_EQ(missiles[0].state, 1);
    DrawMissiles();
    DrawMissiles();
    EXPECT_EQ(BackPixel(99, 97), 0);
    EXPECT_EQ(FindMissileHit(OWNER_PLAYER, 90, 80, 40, 40), 0);
}

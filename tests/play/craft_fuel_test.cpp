// The tank: refuelling over a depot, burning with speed, the low-fuel alarm
// and running dry.
#include "game/craft.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/world_position.h"
#include "graphics/collision.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

constexpr int PLAYING_LOOPED = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;

// The standing depot whose rectangle, given first, overlaps the craft's at
// the craft's next position.
bool OverDepotNextFrame(int next_world_y)
{
    for (const Sprite& depot : fuel_depots) {
        if (depot.state == 1 &&
            RectsOverlap(WorldLeft(depot), WorldTop(depot), depot.width, depot.height,
                         WorldLeft(craft), next_world_y - CRAFT_HEIGHT / 2, craft.width,
                         craft.height)) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(PlayTest, RefuellingOnHardAddsFiftyThenCapsAtFull)
{
    StartGame(DIK_D);
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(3400));
    // Over to the first depot's side of the river.
    for (int step = 0; step < 8; ++step) {
        fuel = FUEL_FULL;
        Frame({DIK_UP, DIK_LEFT});
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    int frames = 0;
    while (!OverDepotNextFrame(CraftWorldY() + scroll_speed) && frames++ < 200) {
        fuel = FUEL_FULL;
        Frame({DIK_UP});
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    ASSERT_EQ(scroll_speed, -5);
    fuel = 975;
    Frame({DIK_UP});
    EXPECT_EQ(fuel, 1025);
    EXPECT_EQ(GetSoundStatus(fueling_sound) & PLAYING_LOOPED, PLAYING_LOOPED);
    Frame({DIK_UP});
    EXPECT_EQ(fuel, FUEL_FULL);

    // Away from the depot the sound stops and the excess burns as usual.
    while (OverDepotNextFrame(CraftWorldY() + scroll_speed)) Frame({DIK_UP});
    fuel = 1025;
    Frame({DIK_UP});
    EXPECT_EQ(fuel, 1020);
    EXPECT_EQ(GetSoundStatus(fueling_sound), 0);
}

TEST_F(PlayTest, LowFuelAlarmSoundsBelowTwoHundred)
{
    StartGame();
    ClearAllEnemies();
    scroll_speed = -5;
    fuel = 205;
    Frame({DIK_UP});
    EXPECT_EQ(fuel, FUEL_LOW);
    EXPECT_EQ(GetSoundStatus(fuel_low_sound), 0);
    fuel = 204;
    Frame({DIK_UP});
    EXPECT_EQ(fuel, FUEL_LOW - 1);
    EXPECT_EQ(GetSoundStatus(fuel_low_sound) & PLAYING_LOOPED, PLAYING_LOOPED);
    fuel = 205;
    Frame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(fuel_low_sound), 0);
}

TEST_F(PlayTest, HoveringBurnsNothing)
{
    StartGame();
    ClearAllEnemies();
    for (int frame = 0; frame < 30; ++frame) Frame();
    EXPECT_EQ(fuel, FUEL_FULL);
    EXPECT_EQ(CraftWorldY(), craft_start_y + CAMERA_START_Y);
}

TEST_F(PlayTest, EmptyTankCrashesAndTheUnseenCraftFliesOnBurning)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(3600));
    ASSERT_EQ(scroll_speed, -5);
    fuel = 5;
    const int world_y = CraftWorldY();
    Frame({DIK_UP});
    EXPECT_EQ(fuel, 0);
    EXPECT_EQ(game_state, STATE_DYING);
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(ActiveExplosions(), 1);

    // The keys are no longer read: the craft goes on at the last speed, the
    // tank burns below empty and explodes again in every frame.
    for (int dying = 1; dying <= 5; ++dying) {
        Frame();
        EXPECT_EQ(CraftWorldY(), world_y - 5 * (dying + 1));
        EXPECT_EQ(fuel, -5 * dying);
        EXPECT_EQ(ActiveExplosions(), 1 + dying);
    }
}

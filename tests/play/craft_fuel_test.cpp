// The tank's sounds: refuelling over a depot, and the low-fuel alarm.
#include "game/fuel_depots.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

constexpr int PLAYING_LOOPED = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;

}  // namespace

TEST_F(PlayTest, RefuellingOnHardAddsFiftyUpTo980ThenTopsUpToFullWithItsSound)
{
    StartGame(DIK_D);
    ASSERT_TRUE(ClimbTo(3700));
    ASSERT_EQ(scroll_speed, -5);
    // A depot just ahead of the craft, as long as it is.
    fuel_depots[0].vars[VAR_WORLD_X] = craft.vars[VAR_WORLD_X];
    fuel_depots[0].vars[VAR_WORLD_Y] = CraftWorldY() - 50;
    const int fuel_before_and_after[][2] = {{980, 1030}, {1030, FUEL_FULL}};
    for (const auto& f : fuel_before_and_after) {
        fuel = f[0];
        Frame({DIK_UP});
        EXPECT_EQ(fuel, f[1]);
        EXPECT_EQ(GetSoundStatus(fueling_sound) & PLAYING_LOOPED, PLAYING_LOOPED);
    }
    // Away from the depot the sound stops and the excess burns as usual.
    fuel_depots[0].state = 0;
    fuel = 1025;
    Frame({DIK_UP});
    EXPECT_EQ(fuel, 1020);
    EXPECT_EQ(GetSoundStatus(fueling_sound), 0);
}

TEST_F(PlayTest, LowFuelAlarmSoundsBelowTwoHundred)
{
    StartGame();
    ASSERT_TRUE(ClimbTo(3600));
    const int fuel_before_and_alarm[][2] = {{205, 0}, {204, PLAYING_LOOPED}, {205, 0}};
    for (const auto& f : fuel_before_and_alarm) {
        fuel = f[0];
        Frame({DIK_UP});
        EXPECT_EQ(fuel, f[0] - 5);
        EXPECT_EQ(GetSoundStatus(fuel_low_sound) & PLAYING_LOOPED, f[1]) << f[0];
    }
}

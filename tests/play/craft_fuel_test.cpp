// The tank's sounds: refuelling over a depot, and the low-fuel alarm.
#include "game/fuel_depots.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

TEST_F(PlayTest, TheRefuellingSoundStopsAwayFromTheDepotAndTheAlarmSoundsBelowTwoHundred)
{
    constexpr int PLAYING_LOOPED = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;
    StartGame();
    // Up to the river's first depot, with the tank kept full.
    for (int frame = 0; frame < 2000 && craft.vars[VAR_WORLD_Y] > 3700; ++frame) {
        fuel = FUEL_FULL;
        Frame({DIK_UP});
    }
    ASSERT_EQ(game_state, STATE_PLAYING);
    // A depot just ahead of the craft, as long as it is.
    fuel_depots[0].vars[VAR_WORLD_X] = craft.vars[VAR_WORLD_X];
    fuel_depots[0].vars[VAR_WORLD_Y] = craft.vars[VAR_WORLD_Y] - 50;
    fuel = 500;
    Frame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(fueling_sound) & PLAYING_LOOPED, PLAYING_LOOPED);
    fuel_depots[0].state = 0;
    for (const auto& [before, alarm] : {std::pair{205, 0}, {204, PLAYING_LOOPED}, {205, 0}}) {
        fuel = before;
        Frame({DIK_UP});
        EXPECT_EQ(fuel, before - 5);
        EXPECT_EQ(GetSoundStatus(fueling_sound), 0);
        EXPECT_EQ(GetSoundStatus(fuel_low_sound) & PLAYING_LOOPED, alarm) << before;
    }
}

#include "game/craft_fuel.h"

#include "app/game_state.h"
#include "game/craft.h"
#include "game/fuel_depots.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

// Above this a refill only tops the tank up to full.
constexpr int FUEL_TOP_UP_FROM = 980;

}  // namespace

int RefuelCraft()
{
    for (const Sprite& depot : fuel_depots) {
        if (depot.state != 1 || !OverlapsCraft(depot)) continue;
        if (fuel > FUEL_TOP_UP_FROM) {
            fuel = FUEL_FULL;
        } else {
            fuel += 30 + 10 * difficulty;
        }
        if ((GetSoundStatus(fueling_sound) & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING)) == 0) {
            PlaySoundEffect(fueling_sound, DSBPLAY_LOOPING);
        }
        return 1;
    }
    return 0;
}

void BurnFuel()
{
    StopSound(fueling_sound);
    fuel += scroll_speed;
    if (fuel >= FUEL_LOW) {
        StopSound(fuel_low_sound);
    } else {
        PlaySoundEffect(fuel_low_sound, DSBPLAY_LOOPING);
    }
}

#include "sound/game_sounds.h"

#include "graphics/display.h"
#include "sound/sound_device.h"

int engine_sound = -1;
int fueling_sound = -1;
int fuel_low_sound = -1;
int enemy_missile_sounds[SOUND_COPIES] = {-1, -1, -1, -1, -1, -1, -1, -1};
int player_missile_sounds[SOUND_COPIES] = {-1, -1, -1, -1, -1, -1, -1, -1};
int explosion_sounds[SOUND_COPIES] = {-1, -1, -1, -1, -1, -1, -1, -1};

namespace {

constexpr int GAME_SOUND_FLAGS = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
constexpr int FUEL_LOW_FREQUENCY = 6000;

constexpr int ENGINE_VOLUME = 60;
constexpr int FUEL_LOW_VOLUME = 20;
constexpr int ENEMY_MISSILE_VOLUME = 20;
constexpr int PLAYER_MISSILE_VOLUME = 40;
constexpr int EXPLOSION_VOLUME = 70;

// Loads copy 0 and duplicates it into the others, all at one volume. A
// failed duplicate only leaves its copy at −1.
int LoadSoundSet(int* set, const char* file_name, int volume)
{
    set[0] = LoadWavSound(file_name, GAME_SOUND_FLAGS);
    if (set[0] == -1) return 0;
    SetSoundVolume(set[0], volume);
    for (int copy = 1; copy < SOUND_COPIES; ++copy) {
        set[copy] = DuplicateSound(set[0]);
        SetSoundVolume(set[copy], volume);
    }
    return 1;
}

// A copy without a buffer reports −1 and so counts as busy.
void PlayIdleCopy(const int* set)
{
    for (int copy = 0; copy < SOUND_COPIES; ++copy) {
        if (GetSoundStatus(set[copy]) == 0) {
            PlaySoundEffect(set[copy], 0);
            return;
        }
    }
}

}  // namespace

int LoadGameSounds()
{
    engine_sound = LoadWavSound("sounds/engine.wav", GAME_SOUND_FLAGS);
    if (engine_sound == -1) return 0;
    SetSoundVolume(engine_sound, ENGINE_VOLUME);

    fueling_sound = LoadWavSound("sounds/fueling.wav", GAME_SOUND_FLAGS);
    if (fueling_sound == -1) return 0;

    fuel_low_sound = LoadWavSound("sounds/fuel_low.wav", GAME_SOUND_FLAGS);
    if (fuel_low_sound == -1) return 0;
    SetSoundVolume(fuel_low_sound, FUEL_LOW_VOLUME);
    SetSoundFrequency(fuel_low_sound, FUEL_LOW_FREQUENCY);

    // The missile file is loaded twice, so that the enemies' and the
    // player's copies keep their own samples.
    if (!LoadSoundSet(enemy_missile_sounds, "sounds/missle.wav", ENEMY_MISSILE_VOLUME)) return 0;
    if (!LoadSoundSet(player_missile_sounds, "sounds/missle.wav", PLAYER_MISSILE_VOLUME)) return 0;
    if (!LoadSoundSet(explosion_sounds, "sounds/explosion.wav", EXPLOSION_VOLUME)) return 0;
    return 1;
}

void PlayExplosionSound()
{
    PlayIdleCopy(explosion_sounds);
}

void PlayPlayerMissileSound()
{
    PlayIdleCopy(player_missile_sounds);
}

void PlayEnemyMissileSound(int screen_x, int screen_y, int width, int height)
{
    if (screen_x < -width || screen_y < -height || screen_x > screen_width ||
        screen_y > screen_height) {
        return;
    }
    PlayIdleCopy(enemy_missile_sounds);
}

// The game's sounds and the routines that pick a free copy to play.
#pragma once

// Copies of each sound that may be heard several times at once.
constexpr int SOUND_COPIES = 8;

// Sound ids; −1 until loaded.
extern int engine_sound;
extern int fueling_sound;
extern int fuel_low_sound;
extern int enemy_missile_sounds[SOUND_COPIES];
extern int player_missile_sounds[SOUND_COPIES];
extern int explosion_sounds[SOUND_COPIES];

// Loads the five sound files and sets their volumes. 0 at the first file
// that fails to load; the sounds after it stay −1.
int LoadGameSounds();
// Each plays the first idle copy of its set once; with all eight busy the
// request is dropped.
void PlayExplosionSound();
void PlayPlayerMissileSound();
// Heard only when the firing enemy's screen rectangle (top-left corner and
// frame size) is on the screen or touches it.
void PlayEnemyMissileSound(int screen_x, int screen_y, int width, int height);

// The backends' side of the software mixer behind platform/audio.h.
#pragma once
#include <cstdint>

// Makes the mixer usable at the device's output rate. lock and unlock, when
// given, bracket every change made from the game thread, so that each one is
// atomic to the thread that mixes.
void MixerStart(int output_rate, void (*lock)(), void (*unlock)());
// Another device at another rate: every buffer and voice stays as it is and
// keeps its pitch.
void MixerSetOutputRate(int output_rate);
// Releases every buffer and makes every buffer operation fail again. Call it
// once the mixing thread has stopped.
void MixerStop();
// Writes count mono output samples and advances every playing voice.
// Allocates nothing and takes no lock, so it may run on an audio thread.
void MixerRender(int16_t* out, int count);

// Controls of the headless sound device, for tests and benchmarks: nothing
// plays by itself; the output is mixed only when asked for.
#pragma once
#include <cstdint>

constexpr int HEADLESS_AUDIO_DEFAULT_RATE = 44100;

// Whether the next open finds a device (1, the default) or none (0).
void HeadlessSetAudioPresent(int present);
// The output rate of the next open.
void HeadlessSetAudioRate(int rate);
// The rate of the open device, 0 when none is open.
int HeadlessAudioRate();
// Mixes the next count mono output samples at HeadlessAudioRate(); silence,
// with no voice moving on, while the device is paused.
void HeadlessMixAudio(int16_t* out, int count);

// The millisecond clock.
#pragma once
#include <cstdint>

// Milliseconds since an arbitrary start; wraps around at 2^32.
uint32_t PlatformGetTicks();
// Gives the processor away for about this many milliseconds.
void PlatformSleep(uint32_t ms);
// One turn of a short busy wait on the clock.
void PlatformSpin();

// From now on the clock counts only what the game waits, starting at start:
// waiting moves it on at once, so frames run as fast as they can and every
// run sees the same times. For checking a replay unseen.
void PlatformUseVirtualClock(uint32_t start);

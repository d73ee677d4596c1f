// The millisecond clock.
#pragma once
#include <cstdint>

// Milliseconds since an arbitrary start; wraps around at 2^32.
uint32_t PlatformGetTicks();
// Gives the processor away for about this many milliseconds.
void PlatformSleep(uint32_t ms);
// Gives the processor away until the clock reads tick, or as soon after as
// the system wakes it; returns at once when that time has come. tick lies
// less than 2^31 ms ahead.
void PlatformSleepUntil(uint32_t tick);

// From now on the clock counts only what the game waits, starting at start:
// waiting moves it on at once, so frames run as fast as they can and every
// run sees the same times. For checking a replay unseen.
void PlatformUseVirtualClock(uint32_t start);

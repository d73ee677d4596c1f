// The millisecond clock.
#pragma once
#include <cstdint>

// Milliseconds since an arbitrary start; wraps around at 2^32.
uint32_t PlatformGetTicks();
// Gives the processor away for about this many milliseconds.
void PlatformSleep(uint32_t ms);
// One turn of a short busy wait on the clock.
void PlatformSpin();

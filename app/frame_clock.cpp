#include "app/frame_clock.h"

#include "platform/clock.h"

uint32_t clock_start = 0;

uint32_t MarkFrameStart()
{
    clock_start = PlatformGetTicks();
    return clock_start;
}

// The clock has the last word: a sleep may end early (a signal).
uint32_t WaitSinceMark(uint32_t period)
{
    while (PlatformGetTicks() - clock_start < period) PlatformSleepUntil(clock_start + period);
    return PlatformGetTicks();
}

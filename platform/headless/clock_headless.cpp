// Virtual clock: waiting moves it forward at once, so thousands of frames
// run in a second and every run sees the same times.
#include "platform/clock.h"
#include "platform/headless/headless.h"

namespace {

uint32_t virtual_ticks = 0;
uint32_t sleep_overshoot = 0;

}  // namespace

void HeadlessSetTicks(uint32_t ticks)
{
    virtual_ticks = ticks;
}

void HeadlessSetSleepOvershoot(uint32_t ms)
{
    sleep_overshoot = ms;
}

uint32_t HeadlessGetTicks()
{
    return virtual_ticks;
}

uint32_t PlatformGetTicks()
{
    return virtual_ticks;
}

void PlatformSleep(uint32_t ms)
{
    virtual_ticks += ms + sleep_overshoot;
}

void PlatformSleepUntil(uint32_t tick)
{
    if (static_cast<int32_t>(tick - virtual_ticks) > 0) virtual_ticks = tick + sleep_overshoot;
}

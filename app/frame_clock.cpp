#include "app/frame_clock.h"

#include "platform/clock.h"

namespace {

// Sleep until this close to the deadline, then spin: sleeping is coarse,
// and spinning the whole period would hold a processor core at 100%.
constexpr uint32_t SPIN_MARGIN_MS = 2;

}  // namespace

uint32_t clock_start = 0;

uint32_t MarkFrameStart()
{
    clock_start = PlatformGetTicks();
    return clock_start;
}

uint32_t WaitSinceMark(uint32_t period)
{
    for (;;) {
        const uint32_t elapsed = PlatformGetTicks() - clock_start;
        if (elapsed >= period) break;
        const uint32_t left = period - elapsed;
        if (left > SPIN_MARGIN_MS) {
            PlatformSleep(left - SPIN_MARGIN_MS);
        } else {
            PlatformSpin();
        }
    }
    return PlatformGetTicks();
}

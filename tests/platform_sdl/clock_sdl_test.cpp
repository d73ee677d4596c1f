// The SDL backend's clock: a sleep until a tick ends once the clock reads
// it, however far ahead it lies.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/clock.h"

TEST(ClockSdl, SleepUntilATickEndsOnceTheClockReadsIt)
{
    const uint32_t ahead[] = {1, 2, 7, 30};
    for (const uint32_t ms : ahead) {
        const uint32_t tick = PlatformGetTicks() + ms;
        PlatformSleepUntil(tick);
        EXPECT_GE(static_cast<int32_t>(PlatformGetTicks() - tick), 0) << ms << " ms ahead";
    }
}

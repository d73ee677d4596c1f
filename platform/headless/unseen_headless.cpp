// The headless backend shows and plays nothing, and its clock is virtual.
#include "platform/clock.h"
#include "platform/headless/headless.h"
#include "platform/unseen.h"

void PlatformUseVirtualClock(uint32_t start)
{
    HeadlessSetTicks(start);
}

void PlatformRunUnseen() {}

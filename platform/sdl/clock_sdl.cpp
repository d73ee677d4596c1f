#include <SDL.h>

#include <chrono>
#include <thread>

#include "platform/clock.h"

uint32_t PlatformGetTicks()
{
    return SDL_GetTicks();
}

void PlatformSleep(uint32_t ms)
{
    SDL_Delay(ms);
}

// A turn of the final wait before a deadline: short enough to keep the frame
// period to a fraction of a millisecond, long enough to leave the core idle.
void PlatformSpin()
{
    std::this_thread::sleep_for(std::chrono::microseconds(100));
}

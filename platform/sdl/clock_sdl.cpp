#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <time.h>
#endif
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "platform/clock.h"
#include "platform/sdl/sdl_clock.h"

// Milliseconds since the machine started, which differ from one run to the
// next: the random sequence is seeded with the first reading. SDL's own
// count starts with SDL, a few milliseconds before that reading.
uint32_t PlatformGetTicks()
{
    if (sdl_virtual_clock) return sdl_virtual_ticks;
#ifdef _WIN32
    return GetTickCount();
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
#endif
}

void PlatformSleep(uint32_t ms)
{
    if (sdl_virtual_clock) {
        sdl_virtual_ticks += ms;
        return;
    }
    SDL_Delay(ms);
}

// A turn of the final wait before a deadline: short enough to keep the frame
// period to a fraction of a millisecond, long enough to leave the core idle.
void PlatformSpin()
{
    if (sdl_virtual_clock) {
        sdl_virtual_ticks += 1;
        return;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100));
}

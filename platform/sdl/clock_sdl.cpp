#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <time.h>
#endif
#include <SDL.h>

#include <cstdint>

#include "platform/clock.h"
#include "platform/sdl/sdl_clock.h"

namespace {

// Milliseconds since the machine started, to the millisecond: Windows' tick
// count moves in steps of about 16 ms, too coarse for a 30 ms frame.
uint64_t MonotonicMilliseconds()
{
#ifdef _WIN32
    LARGE_INTEGER frequency{};
    LARGE_INTEGER count{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    const auto per_second = static_cast<uint64_t>(frequency.QuadPart);
    const auto counted = static_cast<uint64_t>(count.QuadPart);
    return counted / per_second * 1000u + counted % per_second * 1000u / per_second;
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000u +
           static_cast<uint64_t>(now.tv_nsec) / 1000000u;
#endif
}

}  // namespace

// Milliseconds since the machine started, which differ from one run to the
// next: the random sequence is seeded with the first reading. SDL's own
// count starts with SDL, a few milliseconds before that reading.
uint32_t PlatformGetTicks()
{
    if (sdl_virtual_clock) return sdl_virtual_ticks;
    return static_cast<uint32_t>(MonotonicMilliseconds());
}

void PlatformSleep(uint32_t ms)
{
    if (sdl_virtual_clock) {
        sdl_virtual_ticks += ms;
        return;
    }
    SDL_Delay(ms);
}

// One sleep to the very moment the tick begins, rather than naps that each
// wake the process to look at the clock.
void PlatformSleepUntil(uint32_t tick)
{
    if (sdl_virtual_clock) {
        if (static_cast<int32_t>(tick - sdl_virtual_ticks) > 0) sdl_virtual_ticks = tick;
        return;
    }
#ifdef _WIN32
    const auto left = static_cast<int32_t>(tick - static_cast<uint32_t>(MonotonicMilliseconds()));
    if (left > 0) SDL_Delay(static_cast<uint32_t>(left));
#else
    const uint64_t now_ms = MonotonicMilliseconds();
    const auto left = static_cast<int32_t>(tick - static_cast<uint32_t>(now_ms));
    if (left <= 0) return;
    const uint64_t due_ms = now_ms + static_cast<uint64_t>(left);
    timespec due{};
    due.tv_sec = static_cast<time_t>(due_ms / 1000u);
    due.tv_nsec = static_cast<long>(due_ms % 1000u) * 1000000L;
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
#endif
}

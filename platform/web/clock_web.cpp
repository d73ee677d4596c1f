// The millisecond clock in a browser page. The game waits in loops; every
// wait hands the page its turn (keys, drawing, sound) and comes back after
// it, through the unwinding and rewinding of the call stack that the link
// builds in.
#include <SDL.h>
#include <emscripten.h>

#include "platform/clock.h"

extern "C" void WavedartYieldToPage();

uint32_t PlatformGetTicks()
{
    return SDL_GetTicks();
}

void PlatformSleep(uint32_t ms)
{
    emscripten_sleep(ms);
}

void PlatformSpin()
{
    WavedartYieldToPage();
}

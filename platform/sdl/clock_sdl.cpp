#include <SDL.h>

#include "platform/clock.h"

uint32_t PlatformGetTicks()
{
    return SDL_GetTicks();
}

void PlatformSleep(uint32_t ms)
{
    SDL_Delay(ms);
}

void PlatformSpin() {}

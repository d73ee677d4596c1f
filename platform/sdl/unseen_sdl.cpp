// SDL's dummy drivers show nothing and play nothing; the window asks for
// them by name, so that they are not mistaken for a missing display.
#include <cstdlib>

#include "platform/clock.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/unseen.h"

int sdl_virtual_clock = 0;
uint32_t sdl_virtual_ticks = 0;

void PlatformUseVirtualClock(uint32_t start)
{
    sdl_virtual_clock = 1;
    sdl_virtual_ticks = start;
}

void PlatformRunUnseen()
{
#ifdef _WIN32
    _putenv_s("SDL_VIDEODRIVER", "dummy");
    _putenv_s("SDL_AUDIODRIVER", "dummy");
#else
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
#endif
    PlatformUseVirtualClock(0);
}

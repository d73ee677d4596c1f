// The virtual mode of the SDL backend's clock (platform/clock.h).
#pragma once
#include <cstdint>

// 1 once PlatformUseVirtualClock was called; the ticks it counts then.
extern int sdl_virtual_clock;
extern uint32_t sdl_virtual_ticks;

// The whole game's frames on SDL's dummy drivers, as its message loop runs
// them, for the tests that play it through SDL's own queue and virtual pad.
#pragma once
#include <SDL.h>

#include "app/shell.h"
#include "tests/platform_sdl/sdl_events.h"

// One turn of the message loop's work: SDL's queue taken, then a frame.
inline void GameFrame()
{
    RunTurns();
    AppFrame();
}

// A press of a virtual pad's button for a frame, and its release.
inline void PressPadButton(SDL_Joystick* stick, SDL_GameControllerButton button)
{
    SDL_JoystickSetVirtualButton(stick, button, 1);
    GameFrame();
    SDL_JoystickSetVirtualButton(stick, button, 0);
    GameFrame();
}

// Events pushed into SDL's own queue, and the message-loop turns that take
// them, for the tests of the SDL backend on SDL's dummy drivers.
#pragma once
#include <SDL.h>

#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

// A window event, as the window system would report it; the dummy window is
// never given the focus by SDL, for one, and is told of it this way.
inline void PushWindowEvent(SDL_WindowEventID change)
{
    SDL_Event event{};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(change);
    event.window.windowID = SDL_GetWindowID(SdlWindow());
    SDL_PushEvent(&event);
}

inline void PushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode keycode = SDLK_UNKNOWN)
{
    SDL_Event event{};
    event.key.type = type;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = keycode;
    SDL_PushEvent(&event);
}

// Message-loop turns until SDL's queue is empty, as the game would run them.
inline void RunTurns()
{
    PlatformMessage msg{};
    while (PlatformPeekMessage(&msg)) {
    }
}

// Events pushed into SDL's own queue, and the message-loop turns that take
// them, for the tests of the SDL backend on SDL's dummy drivers.
#pragma once
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

// The whole game on SDL's dummy video driver and this audio driver, in its
// data folder (WAVEDART_DATA_DIR), hearing pads: the dummy window never has
// the focus, and SDL keeps pads from a program without it unless told
// otherwise. False when the data folder cannot be entered.
inline bool UseDummySdlInDataFolder(const char* audio_driver)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", audio_driver, 1);
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const char* data = getenv("WAVEDART_DATA_DIR");
    return data && chdir(data) == 0;
}

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

// A virtual game controller with every axis and button, attached and open
// while it lives; stick is null when SDL refused it.
struct VirtualPad {
    VirtualPad()
        : index(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_MAX, 0)),
          stick(index >= 0 ? SDL_JoystickOpen(index) : nullptr)
    {
    }
    ~VirtualPad()
    {
        if (stick) SDL_JoystickClose(stick);
        if (index >= 0) SDL_JoystickDetachVirtual(index);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    int index;
    SDL_Joystick* stick;
};

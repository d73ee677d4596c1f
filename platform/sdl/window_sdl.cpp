// The SDL window and its events, one event per message-loop turn.
#include <cstdlib>
#include <cstring>

#include "platform/sdl/sdl_gamepad.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace {

SDL_Window* window = nullptr;
void (*window_event_handler)(const SDL_Event* event) = nullptr;

// Without a display server SDL falls back on drivers that show nothing; the
// game then ran unseen. They serve only when asked for by name.
bool OnlyAnInvisibleDriver()
{
    if (std::getenv("SDL_VIDEODRIVER")) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return false;
    SDL_SetError("no display server found, only SDL's %s driver", driver);
    return true;
}

}  // namespace

SDL_Window* SdlWindow()
{
    return window;
}

int SdlWindowHasFocus()
{
    return window && SDL_GetKeyboardFocus() == window;
}

void SdlSetWindowEventHandler(void (*handler)(const SDL_Event* event))
{
    window_event_handler = handler;
}

int PlatformOpenWindow(const char* title, int width, int height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return 0;
    if (OnlyAnInvisibleDriver()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return 0;
    }
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (!window) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return 0;
    }
    return 1;
}

void PlatformCloseWindow()
{
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    SDL_Quit();
}

void PlatformShowCursor(int show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int PlatformBeginTurn(PlatformMessage*)
{
    return 0;
}

int PlatformPollBackendMessage(PlatformMessage* msg)
{
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return 0;
    if (window_event_handler) window_event_handler(&event);
    SdlGamepadEvent(&event);
    *msg = PlatformMessage{WM_OTHER, 0};
    if (event.type == SDL_QUIT) {
        msg->message = WM_CLOSE;
    } else if (event.type == SDL_WINDOWEVENT) {
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) msg->message = WM_CLOSE;
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) msg->message = WM_PAINT;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) msg->message = WM_SETFOCUS;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) msg->message = WM_KILLFOCUS;
    }
    return 1;
}

// The SDL window and its events: one event that the game acts on per
// message-loop turn, and on the way to it every event that only tells of a
// device's state.
#ifdef WAVEDART_HAVE_X11
// Only for X: elsewhere it brings in the system's window headers.
#include <SDL_syswm.h>
#else
#include <SDL.h>
#endif

#include <cstdlib>
#include <cstring>

#include "platform/sdl/quiet_libraries.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_gamepad.h"
#include "platform/sdl/sdl_keyboard.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace {

SDL_Window* window = nullptr;
void (*window_event_handler)(const SDL_Event* event) = nullptr;
// Follows SDL's focus events as SDL takes them in.
int has_focus = 0;

int WatchFocus(void*, SDL_Event* event)
{
    if (event->type != SDL_WINDOWEVENT || !window) return 0;
    if (event->window.windowID != SDL_GetWindowID(window)) return 0;
    if (event->window.event == SDL_WINDOWEVENT_FOCUS_GAINED) has_focus = 1;
    if (event->window.event == SDL_WINDOWEVENT_FOCUS_LOST) has_focus = 0;
    return 0;
}

// Events that only tell what a device holds now. The game reads the keys
// through the keyboard's watch, which sees each event as SDL takes it in, and
// the pads' sticks and buttons from the pads themselves; the mouse and touch
// it does not read. A stick in motion queues these faster than the turns
// take one each, so they are worked off in passing, and a close, a lost
// focus or a pad plugged in does not wait behind them.
bool OnlyDeviceState(Uint32 type)
{
    switch (type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
    case SDL_JOYAXISMOTION:
    case SDL_JOYBALLMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
    case SDL_JOYBATTERYUPDATED:
    case SDL_CONTROLLERAXISMOTION:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERTOUCHPADDOWN:
    case SDL_CONTROLLERTOUCHPADMOTION:
    case SDL_CONTROLLERTOUCHPADUP:
    case SDL_CONTROLLERSENSORUPDATE:
    case SDL_FINGERDOWN:
    case SDL_FINGERUP:
    case SDL_FINGERMOTION:
    case SDL_SENSORUPDATE:
        return true;
    default:
        return false;
    }
}

struct WindowMessage {
    Uint8 event;
    int message;
};

constexpr WindowMessage WINDOW_MESSAGES[] = {
    {SDL_WINDOWEVENT_CLOSE, WM_CLOSE},
    {SDL_WINDOWEVENT_EXPOSED, WM_PAINT},
    {SDL_WINDOWEVENT_FOCUS_GAINED, WM_SETFOCUS},
    {SDL_WINDOWEVENT_FOCUS_LOST, WM_KILLFOCUS},
};

int MessageFor(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) return WM_CLOSE;
    if (event.type != SDL_WINDOWEVENT) return WM_OTHER;
    for (const WindowMessage& entry : WINDOW_MESSAGES) {
        if (entry.event == event.window.event) return entry.message;
    }
    return WM_OTHER;
}

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
    return window && has_focus;
}

int SdlWindowManagerRuns()
{
#ifdef WAVEDART_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return 1;
    }
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          AnyPropertyType, &type, &format, &count, &remaining,
                                          &data);
    if (data) XFree(data);
    return status == Success && count > 0;
#elif defined(__EMSCRIPTEN__)
    // In a page the full screen is the page's own: only its button and keys
    // hold the player's gesture that a browser asks for.
    return 0;
#else
    return 1;
#endif
}

void SdlSetWindowEventHandler(void (*handler)(const SDL_Event* event))
{
    window_event_handler = handler;
}

int PlatformOpenWindow(const char* title, int width, int height)
{
#ifdef __EMSCRIPTEN__
    // The game hands the page its turn in its own frame wait. SDL would also
    // yield at every present, splitting each frame in two and adding a
    // timer's delay to it.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
#endif
    if (QuietInitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return 0;
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
    // The game has no use for the mouse's moves or for text: SDL need not
    // queue them at all.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_StopTextInput();
    has_focus = SDL_GetKeyboardFocus() == window;
    SDL_AddEventWatch(WatchFocus, nullptr);
    // Without a window manager nothing else hands a new window the focus,
    // and no key would reach the game until the player clicked it.
    SDL_RaiseWindow(window);
    if (!SdlWindowManagerRuns()) SDL_SetWindowInputFocus(window);
    return 1;
}

void PlatformCloseWindow()
{
    SDL_DelEventWatch(WatchFocus, nullptr);
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    has_focus = 0;
    SDL_Quit();
}

void PlatformShowCursor(int show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int PlatformBeginTurn(PlatformMessage*)
{
    SdlKeyboardNewTurn();
    return 0;
}

int PlatformPollBackendMessage(PlatformMessage* msg)
{
    SDL_Event event;
    do {
        if (!SDL_PollEvent(&event)) return 0;
        if (window_event_handler) window_event_handler(&event);
        SdlGamepadEvent(&event);
        SdlAudioEvent(&event);
    } while (OnlyDeviceState(event.type));
    *msg = PlatformMessage{MessageFor(event), 0};
    return 1;
}

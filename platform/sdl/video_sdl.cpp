// The screen on SDL: the 8-bit front surface is shown through the palette,
// scaled into the window as the scaling mode says, by an accelerated
// renderer in step with the display's refresh where the driver can, or
// else written straight into the window's pixels. A picture the screen
// shows already is not shown again. Alt+Enter and F11 switch between full
// screen and the resizable window.
#include <SDL.h>

#include <cstring>
#include <vector>

#include "platform/sdl/sdl_picture.h"
#include "platform/sdl/sdl_window.h"
#include "platform/surface.h"
#include "platform/video.h"

namespace {

bool opened = false;
bool through_renderer = false;
int vsync_wanted = 1;
int scaling = PLATFORM_SCALING_SHARP;
PlatformColour palette[PLATFORM_PALETTE_SIZE] = {};
// The picture last shown, and what must be drawn again even if the picture
// is the same: the picture after a new palette or mode, the whole window
// after it was uncovered or resized, or a show failed.
std::vector<unsigned char> shown;
int shown_width = 0;
int shown_height = 0;
constexpr int REDRAW_NONE = 0;
constexpr int REDRAW_PICTURE = 1;
constexpr int REDRAW_WHOLE = 2;
int redraw = REDRAW_WHOLE;

// Compares the front surface with the picture last shown, and keeps it.
bool SameAsShown(const PlatformSurface* front)
{
    const auto row = static_cast<std::size_t>(front->width);
    bool same = shown.size() == row * static_cast<std::size_t>(front->height);
    if (!same) shown.resize(row * static_cast<std::size_t>(front->height));
    for (int y = 0; y < front->height; ++y) {
        unsigned char* kept = shown.data() + row * static_cast<std::size_t>(y);
        const unsigned char* now = front->pixels + y * front->pitch;
        if (same && std::memcmp(kept, now, row) == 0) continue;
        same = false;
        std::memcpy(kept, now, row);
    }
    return same;
}

void ShowAgain(int what)
{
    if (what > redraw) redraw = what;
    PlatformShowFront();
}

bool IsFullScreen(SDL_Window* window)
{
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

// Without a window manager SDL reports full screen while the window keeps
// its size, so the window stays as it is.
void SwitchFullScreen(SDL_Window* window, bool full_screen)
{
    if (!full_screen) {
        SDL_SetWindowFullscreen(window, 0);
    } else if (SdlWindowManagerRuns()) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

// Alt+Enter and F11, neither of which the game reads.
bool IsFullScreenToggle(const SDL_KeyboardEvent& key)
{
    if (key.repeat) return false;
    const SDL_Scancode code = key.keysym.scancode;
    if (code == SDL_SCANCODE_F11) return true;
    return (code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER) &&
           (key.keysym.mod & KMOD_ALT);
}

void OnWindowEvent(const SDL_Event* event)
{
    if (event->type == SDL_KEYDOWN && IsFullScreenToggle(event->key)) {
        SDL_Window* window = SdlWindow();
        const bool was_full_screen = IsFullScreen(window);
        SwitchFullScreen(window, !was_full_screen);
        ShowAgain(REDRAW_WHOLE);
        if (IsFullScreen(window) != was_full_screen) PlatformFullScreenSwitched(!was_full_screen);
        return;
    }
    // A renderer that lost what its textures held draws them again.
    if (event->type == SDL_RENDER_TARGETS_RESET || event->type == SDL_RENDER_DEVICE_RESET) {
        ShowAgain(REDRAW_WHOLE);
        return;
    }
    if (event->type != SDL_WINDOWEVENT) return;
    switch (event->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
        ShowAgain(REDRAW_WHOLE);
        break;
    default:
        break;
    }
}

}  // namespace

int PlatformOpenPicture(int width, int height, int full_screen)
{
    SDL_Window* window = SdlWindow();
    if (!window) return 0;
    // Desktop full screen when a window manager can grant it; the resizable
    // window otherwise.
    if (full_screen && SdlWindowManagerRuns()) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    // A renderer named in SDL_RENDER_DRIVER serves whatever it is; otherwise
    // only an accelerated one, before the window's pixels. A window whose
    // pixels are not 32-bit is left to SDL's own renderer.
    through_renderer =
        SdlRendererOpen(window, width, height, SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr);
    if (!through_renderer && !SdlWindowPixelsOpen(window)) {
        through_renderer = SdlRendererOpen(window, width, height, 1);
        if (!through_renderer) return 0;
    }
    opened = true;
    redraw = REDRAW_WHOLE;
    shown.clear();
    SdlRendererSetVsync(vsync_wanted);
    SdlSetWindowEventHandler(OnWindowEvent);
    return 1;
}

void PlatformSwitchPicture(int full_screen)
{
    if (SDL_Window* window = SdlWindow()) SwitchFullScreen(window, full_screen != 0);
    ShowAgain(REDRAW_WHOLE);
}

void PlatformClosePicture()
{
    SdlSetWindowEventHandler(nullptr);
    SdlRendererClose();
    SdlWindowPixelsClose();
    opened = false;
}

void PlatformSetDisplayPalette(const PlatformColour* colours)
{
    // The game installs the same palette every frame; the screen only needs
    // showing again when a colour really changed.
    if (std::memcmp(palette, colours, sizeof palette) == 0) return;
    std::memcpy(palette, colours, sizeof palette);
    ShowAgain(REDRAW_PICTURE);
}

void PlatformSetVsync(int on)
{
    vsync_wanted = on ? 1 : 0;
    SdlRendererSetVsync(vsync_wanted);
}

void PlatformSetScaling(int mode)
{
    scaling = mode == PLATFORM_SCALING_FILL ? PLATFORM_SCALING_FILL : PLATFORM_SCALING_SHARP;
    ShowAgain(REDRAW_WHOLE);
}

int PlatformShowFront()
{
    const PlatformSurface* front = PlatformFrontSurface();
    if (!front || !opened) return 0;
    // A window resized since is drawn whole even before its event comes.
    int width = 0;
    int height = 0;
    if (through_renderer) {
        SDL_GetRendererOutputSize(SdlRenderer(), &width, &height);
    } else {
        SdlWindowPixelsSize(&width, &height);
    }
    if (width != shown_width || height != shown_height) redraw = REDRAW_WHOLE;
    shown_width = width;
    shown_height = height;
    if (SameAsShown(front) && redraw == REDRAW_NONE) return 1;
    const int done = through_renderer
                         ? SdlRendererShow(front, palette, scaling)
                         : SdlWindowPixelsShow(front, palette, scaling, redraw == REDRAW_WHOLE);
    redraw = done ? REDRAW_NONE : REDRAW_WHOLE;
    return done;
}

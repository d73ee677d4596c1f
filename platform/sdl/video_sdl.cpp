// The screen on SDL: the 8-bit front surface is converted through the
// palette into a streaming texture and scaled into the window, keeping its
// shape with black bars around it, and presented in step with the display's
// refresh where the driver can. Alt+Enter and F11 switch between full
// screen and the resizable window.
#include <SDL.h>

#include <cstdint>
#include <cstring>

#include "platform/sdl/sdl_window.h"
#include "platform/surface.h"
#include "platform/video.h"

namespace {

SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
// The palette as texture pixels (ARGB8888).
uint32_t colour_table[PLATFORM_PALETTE_SIZE] = {};
int vsync_wanted = 1;

// Whether the renderer itself can wait for the refresh. Where it cannot, SDL
// would sleep to a timetable of its own, which still tears and only delays
// the picture. A page's canvas is shown in step with the display by the
// browser anyway.
bool RendererCanWait()
{
#ifdef __EMSCRIPTEN__
    return false;
#else
    SDL_RendererInfo info = {};
    if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
    return (info.flags & SDL_RENDERER_ACCELERATED) != 0;
#endif
}

bool IsGlRenderer()
{
    SDL_RendererInfo info = {};
    return SDL_GetRendererInfo(renderer, &info) == 0 && std::strncmp(info.name, "opengl", 6) == 0;
}

void ApplyVsync()
{
    if (!renderer || !RendererCanWait()) return;
    SDL_RenderSetVSync(renderer, vsync_wanted);
    // A GL driver that refuses the swap interval leaves SDL to stand in.
    if (vsync_wanted && IsGlRenderer() && SDL_GL_GetSwapInterval() == 0) {
        SDL_RenderSetVSync(renderer, 0);
    }
}

// The picture centred in the output: enlarged by the largest whole factor
// that fits, so every pixel becomes an equal square; when not even the
// picture's own size fits, shrunk to the largest rectangle of its shape.
SDL_Rect FitPicture(const PlatformSurface* front, int out_w, int out_h)
{
    const int64_t pw = front->width;
    const int64_t ph = front->height;
    const int64_t factor = out_w / pw < out_h / ph ? out_w / pw : out_h / ph;
    int64_t w = pw * factor;
    int64_t h = ph * factor;
    if (factor == 0) {
        w = out_w;
        h = out_h;
        if (out_w * ph > out_h * pw) {
            w = out_h * pw / ph;
        } else {
            h = out_w * ph / pw;
        }
    }
    return SDL_Rect{static_cast<int>((out_w - w) / 2), static_cast<int>((out_h - h) / 2),
                    static_cast<int>(w), static_cast<int>(h)};
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
        PlatformShowFront();
        if (IsFullScreen(window) != was_full_screen) PlatformFullScreenSwitched(!was_full_screen);
        return;
    }
    if (event->type != SDL_WINDOWEVENT) return;
    switch (event->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
        PlatformShowFront();
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
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer) {
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_STREAMING, width, height);
    }
    if (!texture) return 0;
    ApplyVsync();
    SdlSetWindowEventHandler(OnWindowEvent);
    return 1;
}

void PlatformSwitchPicture(int full_screen)
{
    if (SDL_Window* window = SdlWindow()) SwitchFullScreen(window, full_screen != 0);
    PlatformShowFront();
}

void PlatformClosePicture()
{
    SdlSetWindowEventHandler(nullptr);
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    texture = nullptr;
    renderer = nullptr;
}

void PlatformSetDisplayPalette(const PlatformColour* colours)
{
    bool changed = false;
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        const uint32_t colour = 0xFF000000u | static_cast<uint32_t>(colours[i].red) << 16 |
                                static_cast<uint32_t>(colours[i].green) << 8 | colours[i].blue;
        changed |= colour != colour_table[i];
        colour_table[i] = colour;
    }
    // The game installs the same palette every frame; the screen only needs
    // showing again when a colour really changed.
    if (changed) PlatformShowFront();
}

void PlatformSetVsync(int on)
{
    vsync_wanted = on ? 1 : 0;
    ApplyVsync();
}

int PlatformShowFront()
{
    const PlatformSurface* front = PlatformFrontSurface();
    if (!front || !texture) return 0;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) return 0;
    for (int y = 0; y < front->height; ++y) {
        const unsigned char* s = front->pixels + y * front->pitch;
        auto* d = reinterpret_cast<uint32_t*>(static_cast<unsigned char*>(pixels) + y * pitch);
        for (int x = 0; x < front->width; ++x) d[x] = colour_table[s[x]];
    }
    SDL_UnlockTexture(texture);
    int out_w = 0;
    int out_h = 0;
    if (SDL_GetRendererOutputSize(renderer, &out_w, &out_h) != 0 || out_w <= 0 || out_h <= 0) {
        return 0;
    }
    const SDL_Rect dest = FitPicture(front, out_w, out_h);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, &dest);
    SDL_RenderPresent(renderer);
    return 1;
}

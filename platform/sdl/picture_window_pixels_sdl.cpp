// The picture written straight into the window's own pixels, converted and
// scaled in one pass: no texture to fill and copy, and no bars to clear,
// since the window keeps what was written until its size changes.
#include <cstdint>

#include "platform/picture_scaling.h"
#include "platform/sdl/sdl_picture.h"
#include "platform/surface.h"

namespace {

SDL_Window* window = nullptr;
ScalePlan plan;
// What the plan and the bars were made for.
int planned_scaling = -1;
PicturePlace planned_place = {};
SDL_Surface* drawn_surface = nullptr;
int drawn_width = 0;
int drawn_height = 0;

bool SamePlace(const PicturePlace& a, const PicturePlace& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

int SdlWindowPixelsOpen(SDL_Window* target)
{
    SDL_Surface* surface = SDL_GetWindowSurface(target);
    if (!surface || surface->format->BytesPerPixel != 4) return 0;
    window = target;
    planned_scaling = -1;
    drawn_surface = nullptr;
    return 1;
}

void SdlWindowPixelsClose()
{
    window = nullptr;
    drawn_surface = nullptr;
}

void SdlWindowPixelsSize(int* width, int* height)
{
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    *width = surface ? surface->w : 0;
    *height = surface ? surface->h : 0;
}

int SdlWindowPixelsShow(const PlatformSurface* picture, const PlatformColour* palette, int scaling,
                        int whole)
{
    if (!window) return 0;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface || surface->format->BytesPerPixel != 4) return 0;
    const PicturePlace place =
        PlacePicture(scaling, picture->width, picture->height, surface->w, surface->h);
    if (scaling != planned_scaling || !SamePlace(place, planned_place)) {
        PlanScaling(&plan, scaling, picture->width, picture->height, place.width, place.height);
        planned_scaling = scaling;
        planned_place = place;
        whole = 1;
    }
    if (surface != drawn_surface || surface->w != drawn_width || surface->h != drawn_height) {
        whole = 1;
    }
    uint32_t colours[PLATFORM_PALETTE_SIZE];
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        colours[i] = SDL_MapRGB(surface->format, palette[i].red, palette[i].green, palette[i].blue);
    }
    if (whole) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return 0;
    auto* corner = static_cast<unsigned char*>(surface->pixels) +
                   static_cast<std::ptrdiff_t>(place.y) * surface->pitch + place.x * 4;
    ScalePicture(&plan, picture, colours, corner, surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    drawn_surface = surface;
    drawn_width = surface->w;
    drawn_height = surface->h;
    if (whole) return SDL_UpdateWindowSurface(window) == 0;
    if (place.width <= 0 || place.height <= 0) return 1;
    const SDL_Rect rect{place.x, place.y, place.width, place.height};
    return SDL_UpdateWindowSurfaceRects(window, &rect, 1) == 0;
}

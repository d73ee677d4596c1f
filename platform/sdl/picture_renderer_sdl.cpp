// The picture through an SDL renderer. Sharp converts it through the palette
// into a streaming texture of its own size, which the renderer enlarges with
// nearest sampling. Fill scales it on the CPU, straight into a streaming
// texture of its placed size: one pass, where the renderer's own smooth
// scaling took a pass through a texture a whole factor larger and cost a
// renderer that draws on the CPU more than half as much again as sharp.
#include <cstdint>
#include <cstring>

#include "platform/picture_scaling.h"
#include "platform/sdl/sdl_picture.h"
#include "platform/surface.h"

namespace {

SDL_Renderer* renderer = nullptr;
SDL_Texture* picture_texture = nullptr;
// Converts the picture pixel for pixel.
ScalePlan conversion;
// Fill's picture scaled to its place, and the size it was made for.
SDL_Texture* placed_texture = nullptr;
ScalePlan placed_plan;
int placed_width = 0;
int placed_height = 0;

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

// A texture of the place's size with the picture filled into it; null when
// one cannot be had.
SDL_Texture* Filled(const PlatformSurface* picture, const uint32_t* colours,
                    const PicturePlace& place)
{
    if (!placed_texture || place.width != placed_width || place.height != placed_height) {
        if (placed_texture) SDL_DestroyTexture(placed_texture);
        placed_texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, place.width, place.height);
        if (!placed_texture) return nullptr;
        SDL_SetTextureBlendMode(placed_texture, SDL_BLENDMODE_NONE);
        PlanScaling(&placed_plan, PLATFORM_SCALING_FILL, picture->width, picture->height,
                    place.width, place.height);
        placed_width = place.width;
        placed_height = place.height;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(placed_texture, nullptr, &pixels, &pitch) != 0) return nullptr;
    ScalePicture(&placed_plan, picture, colours, static_cast<unsigned char*>(pixels), pitch);
    SDL_UnlockTexture(placed_texture);
    return placed_texture;
}

}  // namespace

int SdlRendererOpen(SDL_Window* window, int width, int height, int any_renderer)
{
    renderer = SDL_CreateRenderer(window, -1, any_renderer ? 0 : SDL_RENDERER_ACCELERATED);
    if (!renderer) return 0;
    picture_texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!picture_texture) {
        SdlRendererClose();
        return 0;
    }
    // Every pixel is opaque: blending would only cost.
    SDL_SetTextureBlendMode(picture_texture, SDL_BLENDMODE_NONE);
    PlanScaling(&conversion, PLATFORM_SCALING_SHARP, width, height, width, height);
    return 1;
}

void SdlRendererClose()
{
    if (placed_texture) SDL_DestroyTexture(placed_texture);
    if (picture_texture) SDL_DestroyTexture(picture_texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    placed_texture = nullptr;
    picture_texture = nullptr;
    renderer = nullptr;
}

SDL_Renderer* SdlRenderer()
{
    return renderer;
}

void SdlRendererSetVsync(int on)
{
    if (!renderer || !RendererCanWait()) return;
    SDL_RenderSetVSync(renderer, on);
    // A GL driver that refuses the swap interval leaves SDL to stand in.
    if (on && IsGlRenderer() && SDL_GL_GetSwapInterval() == 0) SDL_RenderSetVSync(renderer, 0);
}

int SdlRendererShow(const PlatformSurface* picture, const PlatformColour* palette, int scaling)
{
    if (!renderer) return 0;
    uint32_t colours[PLATFORM_PALETTE_SIZE];
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        colours[i] = 0xFF000000u | static_cast<uint32_t>(palette[i].red) << 16 |
                     static_cast<uint32_t>(palette[i].green) << 8 | palette[i].blue;
    }
    int out_w = 0;
    int out_h = 0;
    if (SDL_GetRendererOutputSize(renderer, &out_w, &out_h) != 0 || out_w <= 0 || out_h <= 0) {
        return 0;
    }
    const PicturePlace place = PlacePicture(scaling, picture->width, picture->height, out_w, out_h);
    const SDL_Rect dest{place.x, place.y, place.width, place.height};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (SDL_Texture* filled =
            scaling == PLATFORM_SCALING_FILL ? Filled(picture, colours, place) : nullptr) {
        SDL_RenderCopy(renderer, filled, nullptr, &dest);
        SDL_RenderPresent(renderer);
        return 1;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(picture_texture, nullptr, &pixels, &pitch) != 0) return 0;
    ScalePicture(&conversion, picture, colours, static_cast<unsigned char*>(pixels), pitch);
    SDL_UnlockTexture(picture_texture);
    // Fill without a texture of its own still fills, if not smoothly.
    SDL_SetTextureScaleMode(picture_texture, SDL_ScaleModeNearest);
    SDL_RenderCopy(renderer, picture_texture, nullptr, &dest);
    SDL_RenderPresent(renderer);
    return 1;
}

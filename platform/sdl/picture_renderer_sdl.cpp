// The picture through an SDL renderer: converted through the palette into a
// streaming texture, then drawn into the window. Fill draws it first into a
// texture a whole factor larger with nearest sampling, and from there
// smoothly into its place.
#include <cstdint>
#include <cstring>

#include "platform/picture_scaling.h"
#include "platform/sdl/sdl_picture.h"
#include "platform/surface.h"

namespace {

SDL_Renderer* renderer = nullptr;
SDL_Texture* picture_texture = nullptr;
// The picture enlarged for fill, by these factors.
SDL_Texture* enlarged = nullptr;
int enlarged_x = 0;
int enlarged_y = 0;
// Converts the picture pixel for pixel.
ScalePlan conversion;

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

// The texture to draw smoothly into the place: the picture enlarged by
// these factors, or the picture itself when it need not be enlarged or a
// larger texture cannot be had.
SDL_Texture* Enlarged(const PlatformSurface* picture, int factor_x, int factor_y)
{
    if (factor_x == 1 && factor_y == 1) return picture_texture;
    if (!enlarged || enlarged_x != factor_x || enlarged_y != factor_y) {
        if (enlarged) SDL_DestroyTexture(enlarged);
        enlarged = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                     picture->width * factor_x, picture->height * factor_y);
        enlarged_x = factor_x;
        enlarged_y = factor_y;
        if (!enlarged) return picture_texture;
        SDL_SetTextureBlendMode(enlarged, SDL_BLENDMODE_NONE);
    }
    SDL_SetTextureScaleMode(picture_texture, SDL_ScaleModeNearest);
    if (SDL_SetRenderTarget(renderer, enlarged) != 0) return picture_texture;
    SDL_RenderCopy(renderer, picture_texture, nullptr, nullptr);
    SDL_SetRenderTarget(renderer, nullptr);
    return enlarged;
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
    if (enlarged) SDL_DestroyTexture(enlarged);
    if (picture_texture) SDL_DestroyTexture(picture_texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    enlarged = nullptr;
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
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(picture_texture, nullptr, &pixels, &pitch) != 0) return 0;
    ScalePicture(&conversion, picture, colours, static_cast<unsigned char*>(pixels), pitch);
    SDL_UnlockTexture(picture_texture);
    int out_w = 0;
    int out_h = 0;
    if (SDL_GetRendererOutputSize(renderer, &out_w, &out_h) != 0 || out_w <= 0 || out_h <= 0) {
        return 0;
    }
    const PicturePlace place = PlacePicture(scaling, picture->width, picture->height, out_w, out_h);
    const SDL_Rect dest{place.x, place.y, place.width, place.height};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (scaling == PLATFORM_SCALING_FILL) {
        SDL_Texture* source = Enlarged(picture, FillFactor(picture->width, place.width),
                                       FillFactor(picture->height, place.height));
        SDL_SetTextureScaleMode(source, SDL_ScaleModeLinear);
        SDL_RenderCopy(renderer, source, nullptr, &dest);
    } else {
        SDL_SetTextureScaleMode(picture_texture, SDL_ScaleModeNearest);
        SDL_RenderCopy(renderer, picture_texture, nullptr, &dest);
    }
    SDL_RenderPresent(renderer);
    return 1;
}

#include "platform/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

PlatformRect Intersect(const PlatformRect& a, const PlatformRect& b)
{
    return PlatformRect{std::max(a.left, b.left), std::max(a.top, b.top),
                        std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const PlatformRect& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

PlatformRect WholeSurface(const PlatformSurface* surface)
{
    return PlatformRect{0, 0, surface->width, surface->height};
}

// A source rectangle must lie wholly inside its surface, as the blitter's did.
bool SourceInside(const PlatformSurface* src, const PlatformRect& r)
{
    return !IsEmpty(r) && r.left >= 0 && r.top >= 0 && r.right <= src->width &&
           r.bottom <= src->height;
}

}  // namespace

PlatformSurface* PlatformCreateSurface(int width, int height)
{
    if (width < 1 || height < 1 || width > PLATFORM_MAX_SURFACE_SIDE ||
        height > PLATFORM_MAX_SURFACE_SIDE) {
        return nullptr;
    }
    auto* surface = new (std::nothrow) PlatformSurface{};
    if (!surface) return nullptr;
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    surface->pixels = new (std::nothrow) unsigned char[size]();
    if (!surface->pixels) {
        delete surface;
        return nullptr;
    }
    surface->width = width;
    surface->height = height;
    surface->pitch = width;
    surface->colour_key = PLATFORM_NO_COLOUR_KEY;
    surface->clip = WholeSurface(surface);
    surface->locked = 0;
    return surface;
}

void PlatformDestroySurface(PlatformSurface* surface)
{
    if (!surface) return;
    delete[] surface->pixels;
    delete surface;
}

void PlatformSetColourKey(PlatformSurface* surface, int key)
{
    if (surface) surface->colour_key = key;
}

void PlatformSetClipRect(PlatformSurface* surface, const PlatformRect* rect)
{
    if (!surface) return;
    const PlatformRect whole = WholeSurface(surface);
    surface->clip = rect ? Intersect(*rect, whole) : whole;
}

int PlatformFillSurface(PlatformSurface* surface, int index, const PlatformRect* rect)
{
    if (!surface || surface->locked) return 0;
    const PlatformRect whole = WholeSurface(surface);
    const PlatformRect r = rect ? Intersect(*rect, whole) : whole;
    if (IsEmpty(r)) return 1;
    const auto value = static_cast<unsigned char>(index);
    for (int y = r.top; y < r.bottom; ++y) {
        std::memset(surface->pixels + y * surface->pitch + r.left, value,
                    static_cast<std::size_t>(r.right - r.left));
    }
    return 1;
}

unsigned char* PlatformLockSurface(PlatformSurface* surface, int* pitch)
{
    if (!surface || surface->locked) return nullptr;
    surface->locked = 1;
    if (pitch) *pitch = surface->pitch;
    return surface->pixels;
}

int PlatformUnlockSurface(PlatformSurface* surface)
{
    if (!surface || !surface->locked) return 0;
    surface->locked = 0;
    return 1;
}

int PlatformBlitKeyed(PlatformSurface* dest, const PlatformRect* dest_rect,
                      const PlatformSurface* src, const PlatformRect* src_rect)
{
    if (!dest || !src || !dest_rect || !src_rect || dest->locked || src->locked) return 0;
    if (!SourceInside(src, *src_rect)) return 0;
    const int w = src_rect->right - src_rect->left;
    const int h = src_rect->bottom - src_rect->top;
    const PlatformRect placed{dest_rect->left, dest_rect->top, dest_rect->left + w,
                              dest_rect->top + h};
    const PlatformRect r = Intersect(placed, dest->clip);
    if (IsEmpty(r)) return 1;
    const int sx0 = src_rect->left + (r.left - placed.left);
    const int sy0 = src_rect->top + (r.top - placed.top);
    const int key = src->colour_key;
    for (int y = r.top; y < r.bottom; ++y) {
        const unsigned char* s = src->pixels + (sy0 + y - r.top) * src->pitch + sx0;
        unsigned char* d = dest->pixels + y * dest->pitch + r.left;
        for (int x = 0; x < r.right - r.left; ++x) {
            if (s[x] != key) d[x] = s[x];
        }
    }
    return 1;
}

int PlatformBlitKeyedStretched(PlatformSurface* dest, const PlatformRect* dest_rect,
                               const PlatformSurface* src, const PlatformRect* src_rect)
{
    if (!dest || !src || !dest_rect || !src_rect || dest->locked || src->locked) return 0;
    if (!SourceInside(src, *src_rect) || IsEmpty(*dest_rect)) return 0;
    const PlatformRect r = Intersect(*dest_rect, dest->clip);
    if (IsEmpty(r)) return 1;
    // Each destination pixel takes the source pixel under its centre.
    const int64_t sw = src_rect->right - src_rect->left;
    const int64_t sh = src_rect->bottom - src_rect->top;
    const int64_t dw = dest_rect->right - dest_rect->left;
    const int64_t dh = dest_rect->bottom - dest_rect->top;
    const int key = src->colour_key;
    for (int y = r.top; y < r.bottom; ++y) {
        const int64_t sy = src_rect->top + ((2 * (y - dest_rect->top) + 1) * sh) / (2 * dh);
        const unsigned char* s = src->pixels + sy * src->pitch;
        unsigned char* d = dest->pixels + y * dest->pitch;
        for (int x = r.left; x < r.right; ++x) {
            const int64_t sx = src_rect->left + ((2 * (x - dest_rect->left) + 1) * sw) / (2 * dw);
            if (s[sx] != key) d[x] = s[sx];
        }
    }
    return 1;
}

int PlatformCopySurface(PlatformSurface* dest, const PlatformSurface* src)
{
    if (!dest || !src || dest->width != src->width || dest->height != src->height) return 0;
    for (int y = 0; y < src->height; ++y) {
        std::memcpy(dest->pixels + y * dest->pitch, src->pixels + y * src->pitch,
                    static_cast<std::size_t>(src->width));
    }
    return 1;
}

// Backend-neutral 8-bit software surfaces: fills, locks, colour-keyed blits.
#pragma once

// Right and bottom are exclusive.
struct PlatformRect {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr int PLATFORM_NO_COLOUR_KEY = -1;
// Larger surfaces are refused.
constexpr int PLATFORM_MAX_SURFACE_SIDE = 8192;

// Pixel (x, y) is pixels[y * pitch + x], a palette index. Keyed blits skip
// source pixels equal to colour_key and draw only inside the destination's
// clip rectangle.
struct PlatformSurface {
    int width;
    int height;
    int pitch;
    unsigned char* pixels;
    int colour_key;
    PlatformRect clip;
    int locked;
};

// A surface cleared to index 0, without colour key, clipped to its edges;
// null for sizes outside 1 to PLATFORM_MAX_SURFACE_SIDE or lack of memory.
PlatformSurface* PlatformCreateSurface(int width, int height);
void PlatformDestroySurface(PlatformSurface* surface);
// key is a palette index, or PLATFORM_NO_COLOUR_KEY.
void PlatformSetColourKey(PlatformSurface* surface, int key);
// The clip rectangle becomes rect (null = whole surface) cut to the surface.
void PlatformSetClipRect(PlatformSurface* surface, const PlatformRect* rect);
// Fills rect (null = whole surface), cut to the surface. 0 while locked.
int PlatformFillSurface(PlatformSurface* surface, int index, const PlatformRect* rect);
// The pixels, with the row length in *pitch; null while already locked.
unsigned char* PlatformLockSurface(PlatformSurface* surface, int* pitch);
// 0 when the surface was not locked.
int PlatformUnlockSurface(PlatformSurface* surface);
// Same-size keyed copy of src_rect to dest_rect's corner; 0 when refused
// (a locked surface, or a source rectangle not inside the source).
int PlatformBlitKeyed(PlatformSurface* dest, const PlatformRect* dest_rect,
                      const PlatformSurface* src, const PlatformRect* src_rect);
// Keyed nearest-neighbour stretch of src_rect onto dest_rect.
int PlatformBlitKeyedStretched(PlatformSurface* dest, const PlatformRect* dest_rect,
                               const PlatformSurface* src, const PlatformRect* src_rect);
// Copies every pixel of src into dest when both have the same size.
int PlatformCopySurface(PlatformSurface* dest, const PlatformSurface* src);

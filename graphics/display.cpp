#include "graphics/display.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "graphics/sprite.h"
#include "graphics/text_log.h"
#include "platform/surface.h"
#include "platform/video.h"

PlatformSurface* primary_surface = nullptr;
PlatformSurface* back_surface = nullptr;
Clipper* back_clipper = nullptr;
PaletteEntry palette[PALETTE_SIZE] = {};

int screen_width = 640;
int screen_height = 480;
int screen_bpp = 8;
int pixel_format = 16;
int windowed = 0;

unsigned char* back_buffer = nullptr;
int back_pitch = 0;

int clip_min_x = 0;
int clip_min_y = 0;
int clip_max_x = 639;
int clip_max_y = 479;

void (*present_overlay)() = nullptr;

namespace {

// Every surface and clipper the display made, all released when it stops.
constexpr int DISPLAY_MAX_SURFACES = 1024;
constexpr int DISPLAY_MAX_CLIPPERS = 8;

std::array<PlatformSurface*, DISPLAY_MAX_SURFACES> surfaces = {};
std::array<Clipper, DISPLAY_MAX_CLIPPERS> clippers = {};
std::array<bool, DISPLAY_MAX_CLIPPERS> clipper_used = {};

constexpr const char* PALETTE_FILE = "PALDATA2.PAL";

void InstallPalette()
{
    PlatformColour colours[PLATFORM_PALETTE_SIZE];
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        colours[i] = PlatformColour{palette[i].red, palette[i].green, palette[i].blue};
    }
    PlatformSetDisplayPalette(colours);
}

Clipper* ClipperOf(const PlatformSurface* surface)
{
    for (int i = 0; i < DISPLAY_MAX_CLIPPERS; ++i) {
        if (clipper_used[i] && clippers[i].surface == surface) return &clippers[i];
    }
    return nullptr;
}

PlatformRect ToPlatform(const DisplayRect& r)
{
    return PlatformRect{r.left, r.top, r.right, r.bottom};
}

int BlitOnce(PlatformSurface* dest, const PlatformRect& dest_rect, PlatformSurface* source,
             const PlatformRect& source_rect)
{
    const bool same_size = dest_rect.right - dest_rect.left == source_rect.right - source_rect.left &&
                           dest_rect.bottom - dest_rect.top == source_rect.bottom - source_rect.top;
    return same_size ? PlatformBlitKeyed(dest, &dest_rect, source, &source_rect)
                     : PlatformBlitKeyedStretched(dest, &dest_rect, source, &source_rect);
}

}  // namespace

int StartDisplay(int width, int height, int bpp, int windowed_flag)
{
    // The surfaces are 8-bit palettised only.
    if (bpp != 8) return 0;
    if (!PlatformStartVideo(width, height, windowed_flag ? 0 : 1)) return 0;
    screen_bpp = bpp;
    screen_height = height;
    screen_width = width;
    windowed = windowed_flag;
    primary_surface = PlatformFrontSurface();
    back_surface = PlatformBackSurface();

    pixel_format = bpp;
    LogMessage("\npixel format = %d", pixel_format);
    LogMessage(pixel_format == 15 ? "\npixel format = 5.5.5" : "\npixel format = 5.6.5");

    std::memset(palette, 0, sizeof palette);
    LoadPaletteFile(PALETTE_FILE, palette);
    if (windowed) {
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            if (i < 10 || i >= 246) palette[i].flags = PC_EXPLICIT;
        }
    }
    InstallPalette();

    if (!windowed) FillSurface(primary_surface, 0, nullptr);
    FillSurface(back_surface, 0, nullptr);

    clip_min_x = 0;
    clip_min_y = 0;
    clip_max_x = width - 1;
    clip_max_y = height - 1;

    const DisplayRect screen{0, 0, width, height};
    back_clipper = AttachClipper(back_surface, 1, &screen);
    return 1;
}

int StopDisplay()
{
    if (back_buffer) UnlockBackSurface();
    clipper_used.fill(false);
    back_clipper = nullptr;
    ReleaseAllSpriteSequences();
    for (PlatformSurface*& surface : surfaces) {
        PlatformDestroySurface(surface);
        surface = nullptr;
    }
    PlatformStopVideo();
    primary_surface = nullptr;
    back_surface = nullptr;
    return 1;
}

PlatformSurface* CreateOffscreenSurface(int width, int height, int, int colour_key)
{
    for (PlatformSurface*& slot : surfaces) {
        if (slot) continue;
        PlatformSurface* surface = PlatformCreateSurface(width, height);
        if (!surface) return nullptr;
        PlatformSetColourKey(surface, colour_key & 0xFFFF);
        slot = surface;
        return surface;
    }
    return nullptr;
}

int ReleaseSurface(PlatformSurface* surface)
{
    if (!surface) return 0;
    for (PlatformSurface*& slot : surfaces) {
        if (slot != surface) continue;
        for (int i = 0; i < DISPLAY_MAX_CLIPPERS; ++i) {
            if (clippers[i].surface == surface) clipper_used[i] = false;
        }
        PlatformDestroySurface(surface);
        slot = nullptr;
        return 1;
    }
    return 0;
}

Clipper* AttachClipper(PlatformSurface* surface, int count, const DisplayRect* rects)
{
    if (!surface || !rects || count < 1 || count > CLIPPER_MAX_RECTS) return nullptr;
    int free_slot = -1;
    for (int i = 0; i < DISPLAY_MAX_CLIPPERS && free_slot < 0; ++i) {
        if (!clipper_used[i]) free_slot = i;
    }
    if (free_slot < 0) return nullptr;
    Clipper& clipper = clippers[free_slot];
    clipper.surface = surface;
    clipper.rect_count = count;
    clipper.bound = DisplayRect{64000, 64000, -64000, -64000};
    for (int i = 0; i < count; ++i) {
        clipper.rects[i] = rects[i];
        if (rects[i].left < clipper.bound.left) clipper.bound.left = rects[i].left;
        if (rects[i].top < clipper.bound.top) clipper.bound.top = rects[i].top;
        if (rects[i].right > clipper.bound.right) clipper.bound.right = rects[i].right;
        if (rects[i].bottom > clipper.bound.bottom) clipper.bound.bottom = rects[i].bottom;
    }
    // A surface has one clipper: the new one replaces any earlier.
    Clipper* earlier = ClipperOf(surface);
    if (earlier) clipper_used[earlier - clippers.data()] = false;
    clipper_used[free_slot] = true;
    return &clipper;
}

int BlitSurface(PlatformSurface* dest, const DisplayRect* dest_rect, PlatformSurface* source,
                const DisplayRect* source_rect)
{
    if (!dest || !source) return 0;
    const PlatformRect d = dest_rect ? ToPlatform(*dest_rect)
                                     : PlatformRect{0, 0, dest->width, dest->height};
    const PlatformRect s = source_rect ? ToPlatform(*source_rect)
                                       : PlatformRect{0, 0, source->width, source->height};
    const Clipper* clipper = ClipperOf(dest);
    if (!clipper) {
        PlatformSetClipRect(dest, nullptr);
        return BlitOnce(dest, d, source, s);
    }
    int result = 1;
    for (int i = 0; i < clipper->rect_count && result; ++i) {
        const PlatformRect clip = ToPlatform(clipper->rects[i]);
        PlatformSetClipRect(dest, &clip);
        result = BlitOnce(dest, d, source, s);
    }
    PlatformSetClipRect(dest, nullptr);
    return result;
}

int PresentFrame()
{
    if (back_buffer) return 0;
    if (present_overlay) present_overlay();
    if (!PlatformCopySurface(primary_surface, back_surface)) return 0;
    return PlatformShowFront();
}

int FillSurface(PlatformSurface* surface, int colour, const DisplayRect* rect)
{
    if (!surface) return 1;
    if (rect) {
        const PlatformRect r = ToPlatform(*rect);
        PlatformFillSurface(surface, colour & 0xFFFF, &r);
    } else {
        PlatformFillSurface(surface, colour & 0xFFFF, nullptr);
    }
    // What is drawn into the visible surface is seen at once.
    if (surface == primary_surface) PlatformShowFront();
    return 1;
}

unsigned char* LockBackSurface()
{
    if (back_buffer) return back_buffer;
    int pitch = 0;
    unsigned char* pixels = PlatformLockSurface(back_surface, &pitch);
    if (!pixels) return nullptr;
    back_buffer = pixels;
    back_pitch = pitch;
    return back_buffer;
}

int UnlockBackSurface()
{
    if (!back_buffer) return 0;
    PlatformUnlockSurface(back_surface);
    back_buffer = nullptr;
    back_pitch = 0;
    return 1;
}

int LoadPaletteFile(const char* name, PaletteEntry* entries)
{
    if (!name || !entries) return 0;
    std::FILE* file = std::fopen(name, "r");
    if (!file) return 0;
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        int values[4] = {};
        const int read = std::fscanf(file, "%d %d %d %d", &values[0], &values[1], &values[2],
                                     &values[3]);
        // Only the values actually read are stored; the rest stay as they were.
        uint8_t* members[4] = {&entries[i].red, &entries[i].green, &entries[i].blue,
                               &entries[i].flags};
        for (int k = 0; k < read && k < 4; ++k) *members[k] = static_cast<uint8_t>(values[k]);
    }
    std::fclose(file);
    return 1;
}

int GetPalette(PaletteEntry* entries)
{
    if (!entries) return 0;
    std::memcpy(entries, palette, sizeof palette);
    return 1;
}

int SetPalette(const PaletteEntry* entries)
{
    if (!entries) return 0;
    std::memcpy(palette, entries, sizeof palette);
    InstallPalette();
    return 1;
}

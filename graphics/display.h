// The display: the visible and back surfaces, the 256-colour palette, fills,
// locks, presentation, off-screen surfaces and clippers.
#pragma once
#include <cstdint>

struct PlatformSurface;

// One palette entry; a palette is PALETTE_SIZE of them (1024 bytes).
struct PaletteEntry {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

constexpr int PALETTE_SIZE = 256;

// Palette entry flags.
constexpr uint8_t PC_EXPLICIT = 2;
constexpr uint8_t PC_NOCOLLAPSE = 4;

// A rectangle of pixels; right and bottom are exclusive.
struct DisplayRect {
    int left;
    int top;
    int right;
    int bottom;
};

// A clip list: blits into the surface it is attached to land only inside
// its rectangles. bound is the smallest rectangle holding all of them.
constexpr int CLIPPER_MAX_RECTS = 16;

struct Clipper {
    PlatformSurface* surface;
    int rect_count;
    DisplayRect bound;
    DisplayRect rects[CLIPPER_MAX_RECTS];
};

extern PlatformSurface* primary_surface;
extern PlatformSurface* back_surface;
extern Clipper* back_clipper;
extern PaletteEntry palette[PALETTE_SIZE];

extern int screen_width;
extern int screen_height;
extern int screen_bpp;
// Bits per pixel of the visible surface; 15 selects 5.5.5 packing of
// 24-bit pictures, anything else 5.6.5.
extern int pixel_format;
extern int windowed;

// The back surface's memory and row length while it is locked; null and 0
// while it is not.
extern unsigned char* back_buffer;
extern int back_pitch;

// Inclusive clip bounds of the line primitives.
extern int clip_min_x;
extern int clip_min_y;
extern int clip_max_x;
extern int clip_max_y;

// 1 when the display is ready, 0 at the first failure.
int StartDisplay(int width, int height, int bpp, int windowed_flag);
// Releases every surface, clipper and sequence made since the start. Returns 1.
int StopDisplay();
// A new 8-bit surface with the given colour key (low 16 bits), or null.
PlatformSurface* CreateOffscreenSurface(int width, int height, int mem_flags, int colour_key);
// Releases one surface made by CreateOffscreenSurface. 0 when the display
// does not (or no longer) own it, so a second release does nothing.
int ReleaseSurface(PlatformSurface* surface);
// A new clipper on the surface with count rectangles, or null.
Clipper* AttachClipper(PlatformSurface* surface, int count, const DisplayRect* rects);
// Colour-keyed copy of source_rect of source into dest_rect of dest,
// stretched when the sizes differ, clipped by dest's clipper (or its edges).
// 1 when drawn, 0 when refused.
int BlitSurface(PlatformSurface* dest, const DisplayRect* dest_rect, PlatformSurface* source,
                const DisplayRect* source_rect);
// 1 when the frame was presented; 0 while the back surface is locked.
int PresentFrame();
// Drawn into the back surface just before each PresentFrame shows it, by
// what the program adds around the game (a banner, a bar); null for nothing.
extern void (*present_overlay)();
// Fills rect (null = whole surface) with a palette index. Returns 1.
int FillSurface(PlatformSurface* surface, int colour, const DisplayRect* rect);
unsigned char* LockBackSurface();
int UnlockBackSurface();
// Reads 256 groups of "red green blue flags". 0 when the file cannot be opened.
int LoadPaletteFile(const char* name, PaletteEntry* entries);
int GetPalette(PaletteEntry* entries);
int SetPalette(const PaletteEntry* entries);

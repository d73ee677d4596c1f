// BMP files and static 8-bit pictures.
#pragma once
#include <cstdint>

#include "graphics/display.h"

constexpr uint16_t BITMAP_ID = 0x4D42;  // "BM"
// Larger pictures are refused.
constexpr int BITMAP_MAX_SIDE = 8192;

// Cutting modes: cells of a sheet framed by one-pixel borders, or pixels.
constexpr int CELL_COORDS = 0;
constexpr int PIXEL_COORDS = 1;

constexpr int IMAGE_LOADED = 0x80;

struct BitmapFileHeader {
    uint16_t bfType;
    uint32_t bfSize;
    uint16_t bfReserved1;
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};

struct BitmapInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

// A loaded file. After a load buffer holds biHeight rows top-down of
// biWidth * biBitCount / 8 bytes each, without padding; biHeight is then
// positive even for a file stored top-down, and a 24-bit file has become
// 16-bit. buffer is null while nothing is loaded.
struct BitmapFile {
    BitmapFileHeader file_header;
    BitmapInfoHeader info_header;
    PaletteEntry palette[PALETTE_SIZE];
    unsigned char* buffer;
};

struct BitmapImage {
    int state;
    int attr;
    int x;
    int y;
    int width;
    int height;
    int byte_count;
    int bpp;
    unsigned char* buffer;
};

// The one loading buffer every loader uses and empties after use.
extern BitmapFile bitmap_file;

int LoadBitmapFile(BitmapFile* bitmap, const char* name);
int UnloadBitmapFile(BitmapFile* bitmap);
int FlipBitmapRows(unsigned char* bytes, int row_bytes, int rows);
// The top-left pixel of a width x height cell; 1 when the cell lies inside
// the loaded 8-bit picture, 0 otherwise.
int FindBitmapCell(const BitmapFile* bitmap, int cx, int cy, int width, int height, int mode,
                   int* left, int* top);
int CreateBitmapImage(BitmapImage* image, int x, int y, int width, int height, int bpp);
int DestroyBitmapImage(BitmapImage* image);
int LoadBitmapImage(BitmapImage* image, BitmapFile* bitmap, int cx, int cy, int mode);
// Copies the image to (x, y) of dest; with transparent set, index 0 is skipped.
int DrawBitmapImage(BitmapImage* image, unsigned char* dest, int pitch, int transparent);

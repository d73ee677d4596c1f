// Any file given to the BMP loader: refused, or loaded into a buffer as large
// as its header says, which the game then cuts into sprite frames and images.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "graphics/bitmap.h"
#include "graphics/display.h"
#include "graphics/sprite.h"

namespace {

volatile unsigned pixel_sum_sink;

// Reads every byte the header promises, so that a short buffer shows.
void TouchPixels(const BitmapFile& bitmap)
{
    const BitmapInfoHeader& info = bitmap.info_header;
    const std::size_t bytes = static_cast<std::size_t>(info.biWidth) *
                              static_cast<std::size_t>(info.biHeight) * (info.biBitCount / 8u);
    unsigned sum = 0;
    for (std::size_t i = 0; i < bytes; ++i) sum += bitmap.buffer[i];
    pixel_sum_sink = sum;
}

// A sheet of 2 x 2 cells framed by borders, as the actors' art is cut.
void CutSprite(BitmapFile* bitmap)
{
    const int width = bitmap->info_header.biWidth / 2 - 1;
    const int height = bitmap->info_header.biHeight / 2 - 1;
    if (width < 1 || height < 1 || width > 640 || height > 480) return;
    Sprite sprite{};
    if (CreateSprite(&sprite, 0, 0, width, height, 4, 0, DDSCAPS_SYSTEMMEMORY, 0, 8)) {
        for (int i = 0; i < 4; ++i) LoadSpriteFrame(&sprite, bitmap, i, i % 2, i / 2, CELL_COORDS);
    }
    DestroySprite(&sprite);
}

// The whole picture as a screen image, drawn at the centre of the back buffer
// so that it also runs off the edges.
void DrawWhole(BitmapFile* bitmap)
{
    BitmapImage image{};
    const int width = bitmap->info_header.biWidth;
    const int height = bitmap->info_header.biHeight;
    if (CreateBitmapImage(&image, screen_width / 2, screen_height / 2, width, height, 8) &&
        LoadBitmapImage(&image, bitmap, 0, 0, PIXEL_COORDS) && LockBackSurface()) {
        DrawBitmapImage(&image, back_buffer, back_pitch, 1);
        UnlockBackSurface();
    }
    DestroyBitmapImage(&image);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!StartDisplay(640, 480, 8, 0)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (!LoadBitmapFile(&bitmap_file, WriteFuzzInput(data, size))) {
        // A refused file leaves the empty loading buffer empty.
        if (bitmap_file.buffer) std::abort();
        return 0;
    }
    const BitmapInfoHeader& info = bitmap_file.info_header;
    if (info.biWidth < 1 || info.biHeight < 1 || (info.biBitCount != 8 && info.biBitCount != 16)) {
        std::abort();
    }
    TouchPixels(bitmap_file);
    if (info.biBitCount == 8) {
        CutSprite(&bitmap_file);
        DrawWhole(&bitmap_file);
    }
    UnloadBitmapFile(&bitmap_file);
    return 0;
}

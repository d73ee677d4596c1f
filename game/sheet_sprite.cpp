#include "game/sheet_sprite.h"

#include "graphics/bitmap.h"

int LoadSheetSprite(Sprite* sprite, const char* file_name, int width, int height, int frame_count,
                    int columns, int attr, PaletteEntry* palette_out)
{
    const int loaded = LoadBitmapFile(&bitmap_file, file_name);
    if (loaded && palette_out && bitmap_file.info_header.biBitCount == 8) {
        for (int i = 0; i < PALETTE_SIZE; ++i) palette_out[i] = bitmap_file.palette[i];
    }
    CreateSprite(sprite, 9999, 9999, width, height, frame_count, attr, DDSCAPS_SYSTEMMEMORY, 0, 8);
    int cut = 0;
    if (loaded) {
        for (int i = 0; i < frame_count; ++i) {
            cut += LoadSpriteFrame(sprite, &bitmap_file, i, i % columns, i / columns, CELL_COORDS);
        }
    }
    UnloadBitmapFile(&bitmap_file);
    return cut == frame_count ? 1 : 0;
}

void FillPoolFromFirst(Sprite* pool, int count)
{
    pool[0].state = 0;
    for (int i = 1; i < count; ++i) pool[i] = pool[0];
}

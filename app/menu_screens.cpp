#include "app/menu_screens.h"

#include <cstring>

BitmapImage main_screen = {};
BitmapImage new_game_screen = {};
BitmapImage instruction_screen = {};
BitmapImage game_finish_screen = {};
BitmapImage game_over_screen = {};
PaletteEntry menu_palette[PALETTE_SIZE] = {};

namespace {

constexpr int MENU_SCREEN_WIDTH = 640;
constexpr int MENU_SCREEN_HEIGHT = 480;

struct MenuScreenFile {
    BitmapImage* image;
    const char* name;
};

constexpr MenuScreenFile MENU_SCREEN_FILES[] = {
    {&main_screen, "menuart/main_screen.bmp"},
    {&new_game_screen, "menuart/new_game_screen.bmp"},
    {&instruction_screen, "menuart/instruction_screen.bmp"},
    {&game_finish_screen, "menuart/game_finish_screen.bmp"},
    {&game_over_screen, "menuart/game_over_screen.bmp"},
};

}  // namespace

int LoadMenuScreens()
{
    for (const MenuScreenFile& screen : MENU_SCREEN_FILES) {
        const int loaded = LoadBitmapFile(&bitmap_file, screen.name);
        CreateBitmapImage(screen.image, 0, 0, MENU_SCREEN_WIDTH, MENU_SCREEN_HEIGHT, 8);
        LoadBitmapImage(screen.image, &bitmap_file, 0, 0, PIXEL_COORDS);
        if (loaded && screen.image == &main_screen) {
            std::memcpy(menu_palette, bitmap_file.palette, sizeof menu_palette);
        }
        UnloadBitmapFile(&bitmap_file);
    }
    return 1;
}

int UnloadMenuScreens()
{
    for (const MenuScreenFile& screen : MENU_SCREEN_FILES) DestroyBitmapImage(screen.image);
    return 1;
}

int ShowScreenImage(BitmapImage* image)
{
    FillSurface(back_surface, 0, nullptr);
    LockBackSurface();
    SetPalette(menu_palette);
    const int drawn = DrawBitmapImage(image, back_buffer, back_pitch, 0);
    UnlockBackSurface();
    return drawn;
}

// The five full-screen menu pictures and the one palette they share.
#pragma once

#include "graphics/bitmap.h"

extern BitmapImage main_screen;
extern BitmapImage new_game_screen;
extern BitmapImage instruction_screen;
extern BitmapImage game_finish_screen;
extern BitmapImage game_over_screen;
// Taken from the main screen's file; all five pictures are shown in it.
extern PaletteEntry menu_palette[PALETTE_SIZE];

// A picture whose file is missing or unfit stays unloaded and shows black.
int LoadMenuScreens();
int UnloadMenuScreens();
// Clears the back surface and copies the picture into it, opaque, with the
// menu palette installed.
int ShowScreenImage(BitmapImage* image);

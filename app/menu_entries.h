// Where the main and new game menus' pictures list their entries: the asset
// generator draws each entry here, and a tap on the page presses the key of
// the entry under it.
#pragma once

#include <span>

#include "input/key_codes.h"

struct MenuEntry {
    int x;  // the key cap's top left
    int y;
    int key_width;
    const char* key;    // on the cap: "N"
    const char* label;  // beside it: "NEW GAME"
    int code;           // the key it stands for
};

// A framed box of entries, one under the other, each row_height high from
// its cap's top less ROW_LEAD.
struct MenuList {
    int box_left;
    int box_top;
    int box_width;
    int box_height;
    int row_height;
    std::span<const MenuEntry> entries;
};

constexpr int MENU_ROW_LEAD = 10;

constexpr MenuEntry MAIN_MENU_ENTRIES[] = {
    {200, 198, 30, "N", "NEW GAME", DIK_N},
    {200, 236, 30, "I", "INSTRUCTIONS", DIK_I},
    {200, 274, 30, "H", "HIGH SCORES", DIK_H},
    {200, 312, 30, "O", "OPTIONS", DIK_O},
    {200, 350, 48, "ESC", "QUIT", DIK_ESCAPE},
};
constexpr MenuList MAIN_MENU_LIST = {170, 184, 300, 206, 38, MAIN_MENU_ENTRIES};
// The main menu's last entry quits, which a page cannot do.
inline constexpr const MenuEntry& MAIN_MENU_QUIT = MAIN_MENU_ENTRIES[4];

constexpr MenuEntry NEW_GAME_ENTRIES[] = {
    {140, 168, 30, "E", "EASY", DIK_E},
    {140, 236, 30, "M", "MEDIUM", DIK_M},
    {140, 304, 30, "D", "HARD", DIK_D},
};
constexpr MenuList NEW_GAME_LIST = {110, 150, 420, 226, 68, NEW_GAME_ENTRIES};

// The row of the Backspace hint that leads back, across the picture.
constexpr int BACK_HINT_Y = 420;
constexpr int BACK_HINT_HEIGHT = 26;

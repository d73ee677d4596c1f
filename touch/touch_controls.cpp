#include "touch/touch_controls.h"

#include <array>
#include <cstring>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_entries.h"
#include "app/menu_screens.h"
#include "input/key_codes.h"
#include "input/touch_keys.h"

namespace {

// The key each control went down as, 0 while it is up.
std::array<int, TOUCH_CONTROL_COUNT> held_as{};
int tapped = 0;

constexpr int QUIT_LEFT = MAIN_MENU_LIST.box_left + 2;
constexpr int QUIT_WIDTH = MAIN_MENU_LIST.box_width - 4;
constexpr int QUIT_TOP = MAIN_MENU_QUIT.y - MENU_ROW_LEAD;
constexpr int QUIT_HEIGHT = MAIN_MENU_LIST.row_height;
static_assert(QUIT_TOP + QUIT_HEIGHT <= MAIN_MENU_LIST.box_top + MAIN_MENU_LIST.box_height - 2,
              "the quit row is inside the box");

// The quit row of the main menu's picture as drawn, while it is covered.
unsigned char quit_row[QUIT_WIDTH * QUIT_HEIGHT];
bool quit_hidden = false;

bool Inside(int x, int y, int left, int top, int width, int height)
{
    return x >= left && x < left + width && y >= top && y < top + height;
}

// The band of the Backspace hint near the foot of the picture.
bool OnBackHint(int x, int y)
{
    return Inside(x, y, 0, BACK_HINT_Y, 640, BACK_HINT_HEIGHT);
}

int EntryKey(const MenuList& list, int x, int y)
{
    for (const MenuEntry& entry : list.entries) {
        if (&entry == &MAIN_MENU_QUIT) continue;
        if (Inside(x, y, list.box_left, entry.y - MENU_ROW_LEAD, list.box_width, list.row_height)) return entry.code;
    }
    return 0;
}

unsigned char* QuitRowStart()
{
    if (!main_screen.buffer || main_screen.bpp != 8 || main_screen.width != 640) return nullptr;
    return main_screen.buffer + QUIT_TOP * main_screen.width + QUIT_LEFT;
}

}  // namespace

int TouchScreenKind()
{
    switch (game_state) {
    case STATE_MAIN_MENU:
    case STATE_NEW_GAME_MENU:
    case STATE_INSTRUCTIONS:
    case STATE_GAME_FINISHED:
    case STATE_GAME_OVER:
    case STATE_HIGH_SCORES:
    case STATE_OPTIONS:
    case STATE_CONTROLS:
        return TOUCH_SCREEN_MENU;
    case STATE_ENTER_INITIALS:
        return TOUCH_SCREEN_INITIALS;
    default:
        return TOUCH_SCREEN_PLAY;
    }
}

int TouchControlKey(int control)
{
    switch (control) {
    case TOUCH_LEFT:
        return DIK_LEFT;
    case TOUCH_RIGHT:
        return DIK_RIGHT;
    case TOUCH_UP:
        return DIK_UP;
    case TOUCH_DOWN:
        return DIK_DOWN;
    case TOUCH_FIRE:
        return TouchScreenKind() == TOUCH_SCREEN_PLAY ? DIK_SPACE : DIK_RETURN;
    case TOUCH_PAUSE:
        return DIK_P;
    case TOUCH_BACK:
        return DIK_BACK;
    default:
        return 0;
    }
}

void PressTouchControl(int control, int down)
{
    if (control < 0 || control >= TOUCH_CONTROL_COUNT) return;
    int& key = held_as[static_cast<std::size_t>(control)];
    if (key) TouchKey(key, 0);
    key = down ? TouchControlKey(control) : 0;
    if (key) TouchKey(key, 1);
}

int TappedKey(int x, int y)
{
    switch (game_state) {
    case STATE_MAIN_MENU:
        return EntryKey(MAIN_MENU_LIST, x, y);
    case STATE_NEW_GAME_MENU:
        if (OnBackHint(x, y)) return DIK_BACK;
        return EntryKey(NEW_GAME_LIST, x, y);
    case STATE_GAME_FINISHED:
    case STATE_GAME_OVER:
        return OnBackHint(x, y) ? DIK_BACK : 0;
    default:
        return 0;
    }
}

void TapPicture(int x, int y, int down)
{
    if (tapped) TouchKey(tapped, 0);
    tapped = down ? TappedKey(x, y) : 0;
    if (tapped) TouchKey(tapped, 1);
}

void ReleaseTouchControls()
{
    held_as.fill(0);
    tapped = 0;
    ReleaseTouchKeys();
}

void ShowTouchControls(int shown)
{
    unsigned char* row = QuitRowStart();
    if (!row || quit_hidden == (shown != 0)) return;
    quit_hidden = shown != 0;
    for (int y = 0; y < QUIT_HEIGHT; ++y) {
        unsigned char* line = row + y * main_screen.width;
        unsigned char* kept = quit_row + y * QUIT_WIDTH;
        if (quit_hidden) {
            std::memcpy(kept, line, QUIT_WIDTH);
            // The box's own fill, just inside its frame.
            std::memset(line, line[0], QUIT_WIDTH);
        } else {
            std::memcpy(line, kept, QUIT_WIDTH);
        }
    }
}

// Room for what the program adds around the game: screens of its own beyond
// the game's states, work before and after every frame, and a last layer
// over every presented picture. Nothing is added by default, and then the
// game runs exactly as it would without this room.
#pragma once

// State numbers given to added screens; the game's own stop below them.
constexpr int STATE_EXTRA_FIRST = 13;
constexpr int STATE_EXTRA_COUNT = 8;

// The added screens' states, all in this one list so that no number is
// given twice.
constexpr int STATE_HIGH_SCORES = STATE_EXTRA_FIRST;
constexpr int STATE_ENTER_INITIALS = STATE_EXTRA_FIRST + 1;
constexpr int STATE_OPTIONS = STATE_EXTRA_FIRST + 2;
constexpr int STATE_CONTROLS = STATE_EXTRA_FIRST + 3;

// Keys of the main menu that open added screens, each its own handler.
constexpr int MAIN_MENU_KEY_HANDLERS = 4;

struct AppExtensions {
    // At the start of every frame, before the pause check and the state's
    // handler, once the frame clock is marked.
    void (*before_frame)();
    // After them, before the frame's closing wait. handler_ran is 0 when the
    // frame was paused and no handler ran.
    void (*after_frame)(int handler_ran);
    // On the main menu when neither Escape, N nor I acted, in turn until one
    // returns 1, having changed the state; the menu then draws nothing in
    // that frame. Null entries are skipped.
    int (*main_menu_keys[MAIN_MENU_KEY_HANDLERS])();
    // The handlers of states STATE_EXTRA_FIRST onwards; null for none.
    void (*screens[STATE_EXTRA_COUNT])();
};

extern AppExtensions app_extensions;

// Puts a main menu key handler in the first free place, or takes it out
// again; 0 when there is no free place.
int AddMainMenuKeys(int (*handler)());
void RemoveMainMenuKeys(int (*handler)());

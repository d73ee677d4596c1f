// Room for what the program adds around the game: screens of its own beyond
// the game's states, work before and after every frame, and a last layer
// over every presented picture. Nothing is added by default, and then the
// game runs exactly as it would without this room.
#pragma once

// State numbers given to added screens; the game's own stop below them.
constexpr int STATE_EXTRA_FIRST = 13;
constexpr int STATE_EXTRA_COUNT = 8;

struct AppExtensions {
    // At the start of every frame, before the pause check and the state's
    // handler, once the frame clock is marked.
    void (*before_frame)();
    // After them, before the frame's closing wait. handler_ran is 0 when the
    // frame was paused and no handler ran.
    void (*after_frame)(int handler_ran);
    // On the main menu when neither Escape, N nor I acted. Returns 1 when it
    // changed the state; the menu then draws nothing in that frame.
    int (*main_menu_keys)();
    // The handlers of states STATE_EXTRA_FIRST onwards; null for none.
    void (*screens[STATE_EXTRA_COUNT])();
};

extern AppExtensions app_extensions;

// A touch screen's controls as the game's keys: the stick's four
// directions, fire, pause and back, taps on the menus' entries, and the main
// menu without its quit entry while the controls are shown.
#pragma once

constexpr int TOUCH_LEFT = 0;
constexpr int TOUCH_RIGHT = 1;
constexpr int TOUCH_UP = 2;
constexpr int TOUCH_DOWN = 3;
// Fires in play; confirms elsewhere.
constexpr int TOUCH_FIRE = 4;
constexpr int TOUCH_PAUSE = 5;
constexpr int TOUCH_BACK = 6;
constexpr int TOUCH_CONTROL_COUNT = 7;

// What the screen shown asks of the controls.
constexpr int TOUCH_SCREEN_PLAY = 0;
constexpr int TOUCH_SCREEN_MENU = 1;
constexpr int TOUCH_SCREEN_INITIALS = 2;

// The key a control presses on the screen shown now.
int TouchControlKey(int control);
// Holds or lets go of a control. A control is let go as the key it was
// pressed as, even if the screen changed meanwhile.
void PressTouchControl(int control, int down);
// The key of the menu entry at picture point (x, y) on the screen shown, or 0.
int TappedKey(int x, int y);
// A finger down on the picture at (x, y) presses the entry's key under it;
// up lets it go.
void TapPicture(int x, int y, int down);
// Lets go of every control and tap.
void ReleaseTouchControls();
int TouchScreenKind();
// While the controls are shown the main menu has no quit entry.
void ShowTouchControls(int shown);

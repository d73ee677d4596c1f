// The keys and pad buttons that play reads, as the player binds them. A
// binding changes only what the devices stand for: play still reads its own
// key codes in KeyState (the arrows, Space, P and Backspace), which are what
// replays record, so every replay plays the same whatever is bound.
//
// Bindings act in play alone (and on its pause). Every other screen keeps
// its fixed keys and buttons, so that no binding can take the way through
// the menus, or back out of them, away from the player.
#pragma once

#include "input/key_codes.h"
#include "platform/gamepad.h"

constexpr int ACTION_STEER_LEFT = 0;
constexpr int ACTION_STEER_RIGHT = 1;
constexpr int ACTION_FASTER = 2;
constexpr int ACTION_SLOWER = 3;
constexpr int ACTION_FIRE = 4;
constexpr int ACTION_PAUSE = 5;
constexpr int ACTION_BACK = 6;
constexpr int ACTION_COUNT = 7;

// The key code of KeyState each action sets in play.
extern const int ACTION_KEYS[ACTION_COUNT];

// Every action has exactly one key and one button at all times.
struct Binding {
    int key;          // a key code that KeyName names
    unsigned button;  // one GAMEPAD_ bit that ButtonName names
};

extern Binding bindings[ACTION_COUNT];
// The arrows, Space, P and Backspace; the d-pad, A, Start and B.
constexpr Binding DEFAULT_BINDINGS[ACTION_COUNT] = {
    {DIK_LEFT, GAMEPAD_DPAD_LEFT}, {DIK_RIGHT, GAMEPAD_DPAD_RIGHT}, {DIK_UP, GAMEPAD_DPAD_UP},
    {DIK_DOWN, GAMEPAD_DPAD_DOWN}, {DIK_SPACE, GAMEPAD_A},          {DIK_P, GAMEPAD_START},
    {DIK_BACK, GAMEPAD_B},
};

void ResetBindings();
// Binds the key to the action. The action that had it, if any, takes the
// action's old key, so the two swap. 0 for a key that cannot be bound.
int BindKey(int action, int key);
// The same for a pad button.
int BindButton(int action, unsigned button);

// A keyboard snapshot made into play's: each action's key code is held
// exactly when its bound key is, and a bound key reads as its action alone,
// so that what play records is the same whatever is bound. Every other code
// stays as it is.
void ApplyKeyBindings(unsigned char* keys);
// Sets the key codes of the actions whose bound buttons are among buttons,
// but for the pad's back, which must be held (see gamepad.h).
void AddBoundButtons(unsigned buttons, unsigned char* keys);

// The pad read as keys, so that every screen's key rules serve it unchanged.
//
// On every screen the left stick is the arrows. In play the buttons are as
// bound (input/bindings.h; by default the d-pad is the arrows, A is Space to
// fire, Start is P to pause), and the button bound to back to menu is
// Backspace only once held for PAD_BACK_HOLD_MS.
//
// On every other screen the d-pad is the arrows and B is Backspace. Main
// menu: Start is N (new game), Y is I (instructions), X is H (high scores),
// A is O (options), Back is Escape (quit). New-game screen: X is E (easy), A
// is M (medium), Y is D (hard). The screens added around the game (states
// from STATE_EXTRA_FIRST on, the high scores' and the options' among them):
// A and Start are Enter, Back is Backspace. Elsewhere: A is Space, Start is
// P and Back is Backspace.
#pragma once

#include "platform/gamepad.h"

// A stick axis counts as pushed only beyond this distance from the centre.
constexpr int GAMEPAD_DEAD_ZONE = 8000;
constexpr int PAD_BACK_HOLD_MS = 1000;

// Sets to 0x80 the byte of every key that the pad stands for on the screen
// of that game state; the other bytes are left as they are.
void GamepadToKeys(const PlatformGamepad& pad, int state, unsigned char* keys);
// Reads the pad and adds its keys into keys for the current game_state. A
// button already held when the screen changed counts only after it is let
// go, so one press never acts on two screens in a row.
void ReadGamepadKeys(unsigned char* keys);

// The buttons held now on any pad, with the stick as d-pad buttons, as they
// are: no screen's mapping, nothing held back.
unsigned ReadGamepadButtons();

// 1 when the last read found fewer pads plugged in than the read before.
extern int gamepad_unplugged;
// How long the pad's back has been held in play, up to PAD_BACK_HOLD_MS, as
// of the last read; 0 while it is not held.
extern int pad_back_held_ms;

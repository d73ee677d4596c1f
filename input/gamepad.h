// The pad read as keys, so that every screen's key rules serve it unchanged.
//
// On every screen the d-pad and the left stick are the arrows and B is
// Backspace. Main menu: Start is N (new game), Y is I (instructions), X is H
// (high scores), A is O (options), Back is Escape (quit). New-game screen: X
// is E (easy), A is M (medium), Y is D (hard). The screens added around the
// game (states from STATE_EXTRA_FIRST on, the high scores' and the options'
// among them): A and Start are Enter, Back is Backspace. Elsewhere, play
// included: A is Space (fire), Start is P (pause) and Back is Backspace.
#pragma once

#include "platform/gamepad.h"

// A stick axis counts as pushed only beyond this distance from the centre.
constexpr int GAMEPAD_DEAD_ZONE = 8000;

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

// The keyboard snapshot read once per frame.
#pragma once

#include "input/key_codes.h"

// Non-zero while the key of that code is down.
extern unsigned char KeyState[256];
// 1 once the input system and the keyboard device are open.
extern int input_root;
extern int keyboard_device;

int OpenInput();
int OpenKeyboard();
int ReadKeyboard();
void CloseKeyboard();

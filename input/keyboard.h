// The keyboard snapshot read once per frame.
#pragma once

#include "input/key_codes.h"

// Non-zero while the key of that code is down.
extern unsigned char KeyState[256];
// 1 once the input system and the keyboard device are open.
extern int input_root;
extern int keyboard_device;
// Calls of ReadKeyboard so far: a frame that leaves it as it was read no keys.
extern unsigned keyboard_reads;

int OpenInput();
int OpenKeyboard();
int ReadKeyboard();
void CloseKeyboard();

// While set, ReadKeyboard gives this snapshot of 256 keys in place of the
// devices', so that a replay plays the same whatever is plugged in and
// however the devices are mapped to keys. Null reads the devices again.
void SetScriptedKeys(const unsigned char* keys);

// The devices as they are now, whatever ReadKeyboard gives: the keys held,
// and the pad's buttons with the stick as d-pad buttons.
struct DeviceInput {
    unsigned char keys[256];
    unsigned pad_buttons;
};
void ReadDevices(DeviceInput* input);
// 1 when something is held in now that was not in before.
int NewPress(const DeviceInput& before, const DeviceInput& now);
// 1 when any key, button or stick direction is held on the devices now.
int DevicesHeld();

#include "input/keyboard.h"

#include <cstring>

#include "input/gamepad.h"
#include "platform/keyboard.h"

unsigned char KeyState[256] = {};
int input_root = 0;
int keyboard_device = 0;

int OpenInput()
{
    input_root = 1;
    PlatformOpenGamepads();
    return 1;
}

int OpenKeyboard()
{
    if (!input_root) return 0;
    keyboard_device = PlatformOpenKeyboard();
    return keyboard_device;
}

// The pad's keys are added in either case, so a pad alone can play.
int ReadKeyboard()
{
    int result = 0;
    if (keyboard_device) {
        result = PlatformReadKeyboard(KeyState);
    } else {
        std::memset(KeyState, 0, sizeof KeyState);
    }
    ReadGamepadKeys(KeyState);
    return result;
}

void CloseKeyboard()
{
    if (keyboard_device) PlatformCloseKeyboard();
    keyboard_device = 0;
    PlatformCloseGamepads();
}

#include "input/keyboard.h"

#include <cstring>

#include "platform/keyboard.h"

unsigned char KeyState[256] = {};
int input_root = 0;
int keyboard_device = 0;

int OpenInput()
{
    input_root = 1;
    return 1;
}

int OpenKeyboard()
{
    if (!input_root) return 0;
    keyboard_device = PlatformOpenKeyboard();
    return keyboard_device;
}

int ReadKeyboard()
{
    if (keyboard_device) return PlatformReadKeyboard(KeyState);
    std::memset(KeyState, 0, sizeof KeyState);
    return 0;
}

void CloseKeyboard()
{
    if (keyboard_device) PlatformCloseKeyboard();
    keyboard_device = 0;
}

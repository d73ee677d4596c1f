#include "input/keyboard.h"

#include <cstring>

#include "app/game_state.h"
#include "input/bindings.h"
#include "input/gamepad.h"
#include "input/touch_keys.h"
#include "platform/keyboard.h"

unsigned char KeyState[256] = {};
int input_root = 0;
int keyboard_device = 0;
unsigned keyboard_reads = 0;

namespace {

unsigned char scripted_keys[256] = {};
int scripted = 0;

}  // namespace

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
    keyboard_reads += 1;
    if (scripted) {
        std::memcpy(KeyState, scripted_keys, sizeof KeyState);
        return 1;
    }
    int result = 0;
    if (keyboard_device) {
        result = PlatformReadKeyboard(KeyState);
        if (game_state == STATE_PLAYING) ApplyKeyBindings(KeyState);
    } else {
        std::memset(KeyState, 0, sizeof KeyState);
    }
    TakeTouchKeys(KeyState);
    ReadGamepadKeys(KeyState);
    return result;
}

void CloseKeyboard()
{
    if (keyboard_device) PlatformCloseKeyboard();
    keyboard_device = 0;
    PlatformCloseGamepads();
}

void SetScriptedKeys(const unsigned char* keys)
{
    scripted = keys != nullptr;
    if (keys) std::memcpy(scripted_keys, keys, sizeof scripted_keys);
}

void ReadDevices(DeviceInput* input)
{
    if (!keyboard_device || !PlatformReadKeyboard(input->keys)) std::memset(input->keys, 0, sizeof input->keys);
    AddTouchKeys(input->keys);
    input->pad_buttons = ReadGamepadButtons();
}

int NewPress(const DeviceInput& before, const DeviceInput& now)
{
    for (int code = 0; code < 256; ++code) {
        if (now.keys[code] && !before.keys[code]) return 1;
    }
    return (now.pad_buttons & ~before.pad_buttons) != 0;
}

int DevicesHeld()
{
    DeviceInput now{};
    ReadDevices(&now);
    return NewPress(DeviceInput{}, now);
}

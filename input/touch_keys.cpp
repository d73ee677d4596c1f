#include "input/touch_keys.h"

#include <array>

#include "input/key_codes.h"

namespace {

constexpr int KEY_COUNT = 256;

std::array<unsigned char, KEY_COUNT> held{};
std::array<unsigned char, KEY_COUNT> pressed{};

}  // namespace

void TouchKey(int code, int down)
{
    if (code <= 0 || code >= KEY_COUNT) return;
    held[static_cast<std::size_t>(code)] = down ? KEY_DOWN : 0;
    if (down) pressed[static_cast<std::size_t>(code)] = KEY_DOWN;
}

void ReleaseTouchKeys()
{
    held.fill(0);
}

void AddTouchKeys(unsigned char* keys)
{
    for (int code = 0; code < KEY_COUNT; ++code) {
        keys[code] |= static_cast<unsigned char>(held[static_cast<std::size_t>(code)] |
                                                 pressed[static_cast<std::size_t>(code)]);
    }
}

void TakeTouchKeys(unsigned char* keys)
{
    AddTouchKeys(keys);
    pressed.fill(0);
}

// Scripted keyboard: the snapshot is whatever the test last set.
#include <array>
#include <cstring>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"

namespace {

std::array<unsigned char, PLATFORM_KEY_COUNT> held{};
int keyboard_present = 1;

}  // namespace

void HeadlessSetKeys(const unsigned char* keys)
{
    for (int i = 0; i < PLATFORM_KEY_COUNT; ++i) held[i] = keys[i] ? 0x80 : 0;
}

void HeadlessHoldKeys(const int* codes, int count)
{
    held.fill(0);
    for (int i = 0; i < count; ++i) {
        if (codes[i] >= 0 && codes[i] < PLATFORM_KEY_COUNT) held[codes[i]] = 0x80;
    }
}

void HeadlessReleaseAllKeys()
{
    held.fill(0);
}

void HeadlessSetKeyboardPresent(int present)
{
    keyboard_present = present;
}

int PlatformOpenKeyboard()
{
    return keyboard_present;
}

int PlatformReadKeyboard(unsigned char* keys)
{
    if (!keyboard_present) return 0;
    std::memcpy(keys, held.data(), PLATFORM_KEY_COUNT);
    return 1;
}

void PlatformCloseKeyboard() {}

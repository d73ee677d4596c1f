// The SDL keyboard state, translated from USB scancodes to the set-1 key
// codes that the game's key table uses.
#include <cstring>

#include "platform/keyboard.h"
#include "platform/sdl/keymap.h"
#include "platform/sdl/sdl_window.h"

int PlatformOpenKeyboard()
{
    return SdlWindow() != nullptr;
}

int PlatformReadKeyboard(unsigned char* keys)
{
    std::memset(keys, 0, PLATFORM_KEY_COUNT);
    if (!SdlWindow()) return 0;
    // Keys typed into other programs' windows are theirs: read nothing then.
    if (!SdlWindowHasFocus()) return 1;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode) {
        const int code = SdlScancodeToKeyCode(scancode);
        if (code && state[scancode]) keys[code] = 0x80;
    }
    return 1;
}

void PlatformCloseKeyboard() {}

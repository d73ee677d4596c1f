// The SDL keyboard, followed key by key as SDL takes each event in, and
// translated to the set-1 key codes that the game's key table uses.
#include <array>
#include <cstring>

#include "platform/keyboard.h"
#include "platform/sdl/keymap.h"
#include "platform/sdl/sdl_keyboard.h"
#include "platform/sdl/sdl_window.h"

namespace {

constexpr unsigned char KEY_DOWN = 0x80;

// The key code each key went down as, 0 while it is up: a key is let go
// under the code it was pressed as, even if the layout changed meanwhile.
std::array<unsigned char, SDL_NUM_SCANCODES> held{};
// The keys that went down in this message-loop turn. A press and its
// release both taken in between two frames still count as held for one.
std::array<unsigned char, PLATFORM_KEY_COUNT> pressed{};

// On a desktop SDL takes key events in as the turn polls its queue, after
// the turn has begun. In a page they come in while the game waits, after
// the frame has read the keys: they are kept for the turn that follows.
#ifdef __EMSCRIPTEN__
constexpr bool KEYS_COME_BETWEEN_TURNS = true;
#else
constexpr bool KEYS_COME_BETWEEN_TURNS = false;
#endif
std::array<unsigned char, PLATFORM_KEY_COUNT> pressed_for_next_turn{};

// Runs as SDL takes each event in, so that no press waits behind other
// events in the queue, which the loop takes one a turn.
int WatchKeys(void*, SDL_Event* event)
{
    if (event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) return 0;
    const SDL_Keysym& key = event->key.keysym;
    if (key.scancode <= SDL_SCANCODE_UNKNOWN || key.scancode >= SDL_NUM_SCANCODES) return 0;
    if (event->type == SDL_KEYUP) {
        held[key.scancode] = 0;
        return 0;
    }
    const int code = SdlKeyToKeyCode(key.scancode, key.sym);
    held[key.scancode] = static_cast<unsigned char>(code);
    if (code) (KEYS_COME_BETWEEN_TURNS ? pressed_for_next_turn : pressed)[code] = KEY_DOWN;
    return 0;
}

}  // namespace

int PlatformOpenKeyboard()
{
    if (!SdlWindow()) return 0;
    // Once only, also when SDL was restarted without the keyboard closed.
    SDL_DelEventWatch(WatchKeys, nullptr);
    SDL_AddEventWatch(WatchKeys, nullptr);
    return 1;
}

void SdlKeyboardNewTurn()
{
    pressed = pressed_for_next_turn;
    pressed_for_next_turn.fill(0);
}

int PlatformReadKeyboard(unsigned char* keys)
{
    std::memset(keys, 0, PLATFORM_KEY_COUNT);
    if (!SdlWindow()) return 0;
    // Keys typed into other programs' windows are theirs: read nothing then.
    if (!SdlWindowHasFocus()) return 1;
    for (const unsigned char code : held) {
        if (code) keys[code] = KEY_DOWN;
    }
    for (int code = 0; code < PLATFORM_KEY_COUNT; ++code) keys[code] |= pressed[code];
    return 1;
}

void PlatformCloseKeyboard()
{
    SDL_DelEventWatch(WatchKeys, nullptr);
    held.fill(0);
    pressed.fill(0);
    pressed_for_next_turn.fill(0);
}

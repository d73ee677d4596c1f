// The keyboard, as one snapshot of 256 keys in DirectInput key codes.
#pragma once

constexpr int PLATFORM_KEY_COUNT = 256;

// 1 when a keyboard can be read.
int PlatformOpenKeyboard();
// Fills keys[256]: 0x80 for a key held down, 0 otherwise. Keys count only
// while the game's window has the focus. 1 on success, 0 when unreadable.
int PlatformReadKeyboard(unsigned char* keys);
void PlatformCloseKeyboard();

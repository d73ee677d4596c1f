// Controls of the headless backend, for tests and tools.
#pragma once
#include <cstdint>

#include "platform/gamepad.h"

// The keyboard snapshot that the next reads return (256 bytes, non-zero = held).
void HeadlessSetKeys(const unsigned char* keys);
// Holds exactly the given key codes (count of them), releasing all others.
void HeadlessHoldKeys(const int* codes, int count);
void HeadlessReleaseAllKeys();
// Makes the keyboard unreadable (or readable again).
void HeadlessSetKeyboardPresent(int present);
// Plugs in a pad holding this snapshot from the next read on; null unplugs it.
void HeadlessSetGamepad(const PlatformGamepad* pad);

// The virtual clock: it only moves when the game sleeps or spins.
void HeadlessSetTicks(uint32_t ticks);
uint32_t HeadlessGetTicks();
// From now on every sleep lasts this many milliseconds longer than asked, as
// on a busy machine (0 at the start).
void HeadlessSetSleepOvershoot(uint32_t ms);

// Called at the start of every message-loop turn, before the queue is read,
// with the number of the turn counted from 0. When it returns non-zero, that
// turn takes the quit message at once and the loop ends. Null removes it.
void HeadlessSetTurnHook(int (*hook)(unsigned turn));

// The touch controls' size and opacity last asked for, in percent; 0 before.
int HeadlessTouchControlSize();
int HeadlessTouchControlOpacity();

#include "added_screens/key_presses.h"

#include "input/key_codes.h"

namespace {

bool Repeats(int key)
{
    return key == DIK_UP || key == DIK_DOWN || key == DIK_LEFT || key == DIK_RIGHT;
}

}  // namespace

void StartKeyPresses(KeyPresses* presses, const unsigned char* keys)
{
    for (int key = 0; key < 256; ++key) presses->held_frames[key] = keys[key] ? KEY_HELD_BEFORE : 0;
}

void UpdateKeyPresses(KeyPresses* presses, const unsigned char* keys)
{
    for (int key = 0; key < 256; ++key) {
        int& held = presses->held_frames[key];
        if (!keys[key]) {
            held = 0;
        } else if (held != KEY_HELD_BEFORE) {
            // Past the first repeat the count runs in a cycle, so it never overflows.
            held = held < KEY_REPEAT_AFTER + KEY_REPEAT_EVERY ? held + 1 : KEY_REPEAT_AFTER + 1;
        }
    }
}

int KeyPressed(const KeyPresses* presses, int key)
{
    const int held = presses->held_frames[key];
    if (held == 1) return 1;
    return Repeats(key) && held > KEY_REPEAT_AFTER && (held - KEY_REPEAT_AFTER) % KEY_REPEAT_EVERY == 0;
}

void TakeScreenPresses(ScreenPresses* screen, const unsigned char* keys)
{
    if (!screen->started) {
        StartKeyPresses(&screen->presses, keys);
        screen->started = true;
    } else {
        UpdateKeyPresses(&screen->presses, keys);
    }
}

// Key presses out of the once-a-frame snapshots: a key counts in the frame
// it goes down, and the arrows again while held, so that a letter or a row
// can be run through without a press for each step.
#pragma once

// Frames an arrow is held before it repeats, and the frames between repeats.
constexpr int KEY_REPEAT_AFTER = 12;
constexpr int KEY_REPEAT_EVERY = 3;

struct KeyPresses {
    // Frames each key has been held; KEY_HELD_BEFORE for a key that was
    // already down when the screen began, which counts only once let go.
    int held_frames[256];
};

constexpr int KEY_HELD_BEFORE = -1;

// Begins with the keys down now, none of which counts until let go.
void StartKeyPresses(KeyPresses* presses, const unsigned char* keys);
// Takes the frame's snapshot.
void UpdateKeyPresses(KeyPresses* presses, const unsigned char* keys);
// 1 when the key counts as pressed in the frame last taken.
int KeyPressed(const KeyPresses* presses, int key);

// A screen's presses, started afresh whenever the screen is entered.
struct ScreenPresses {
    KeyPresses presses;
    bool started;
};

// Takes the frame's snapshot: the first after a restart begins the presses.
void TakeScreenPresses(ScreenPresses* screen, const unsigned char* keys);

// Keys held by a touch screen's controls. They join the keyboard's
// snapshot after the devices are read, as the game's own key codes.
#pragma once

// Holds (down 1) or lets go of the key of that code. A press let go before
// the next snapshot still counts in it, so that a tap between two frames acts.
void TouchKey(int code, int down);
// Lets go of every key, as when the page loses its touches.
void ReleaseTouchKeys();
// Adds the held keys, and the ones pressed since the last snapshot, to
// keys[256].
void AddTouchKeys(unsigned char* keys);
// The same, and starts a new snapshot: what was let go is gone from the next.
void TakeTouchKeys(unsigned char* keys);

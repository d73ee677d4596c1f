#pragma once

// The key code of an SDL scancode, or 0 for a key the keyboard table lacks.
int SdlScancodeToKeyCode(int scancode);
// The key code of a key that types keycode at the place of scancode. The
// letters that the screens name (N, I, E, M, D, P) go by the letter the key
// types, so that every layout finds them where they are printed; every other
// key goes by its place.
int SdlKeyToKeyCode(int scancode, int keycode);

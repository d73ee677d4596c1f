#pragma once

// The key code of an SDL scancode, or 0 for a key the keyboard table lacks.
int SdlScancodeToKeyCode(int scancode);

// The names of the keys and pad buttons that can be bound, as the Controls
// screen shows them and the settings file keeps them. Only named keys and
// buttons can be bound: Escape (which cancels a binding) and F11 (the
// display's) have none.
#pragma once

// The key's name, or null for a key code that cannot be bound.
const char* KeyName(int key);
// The key code of a name (any case), or 0 for none.
int KeyFromName(const char* name);
// The button's name, or null for anything but one bindable GAMEPAD_ bit.
const char* ButtonName(unsigned button);
// The button of a name (any case), or 0 for none.
unsigned ButtonFromName(const char* name);

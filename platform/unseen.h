// Running the game where no one sees or hears it, as fast as it goes: no
// window shown, no sound played, and the virtual clock (platform/clock.h).
#pragma once

// Call before the window opens.
void PlatformRunUnseen();

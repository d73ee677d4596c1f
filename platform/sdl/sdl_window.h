// What the SDL backend's parts share about the one window.
#pragma once
#include <SDL.h>

SDL_Window* SdlWindow();
// 1 while the window has the keyboard focus.
int SdlWindowHasFocus();
// 0 on an X server where no window manager runs: nothing there makes a
// window full screen or gives it the focus.
int SdlWindowManagerRuns();
// Lets the display see window events (exposure, resizing) as they are taken.
void SdlSetWindowEventHandler(void (*handler)(const SDL_Event* event));

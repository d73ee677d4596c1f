// What the SDL backend's parts share about the one window.
#pragma once
#include <SDL.h>

SDL_Window* SdlWindow();
// 1 while the window has the keyboard focus.
int SdlWindowHasFocus();
// Lets the display see window events (exposure, resizing) as they are taken.
void SdlSetWindowEventHandler(void (*handler)(const SDL_Event* event));

// The pads on SDL, told of every event so that pads come and go at once.
#pragma once
#include <SDL.h>

void SdlGamepadEvent(const SDL_Event* event);

// The sound device on SDL, told of every event so that it follows output
// devices as they go and come.
#pragma once
#include <SDL.h>

void SdlAudioEvent(const SDL_Event* event);

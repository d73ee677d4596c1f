#include <SDL.h>

#include "platform/error.h"

const char* PlatformLastError()
{
    return SDL_GetError();
}

// The libraries SDL tries (ALSA, Wayland's client library) write their own
// diagnostics on standard error, ahead of the game's one line saying what
// failed. While one of these lives, standard error goes nowhere; the game
// writes its own lines after it. Only on Linux, where those libraries are.
#pragma once
#include <SDL.h>

class QuietLibraries {
public:
    QuietLibraries();
    ~QuietLibraries();
    QuietLibraries(const QuietLibraries&) = delete;
    QuietLibraries& operator=(const QuietLibraries&) = delete;

private:
#ifdef __linux__
    // Standard error as it was, -1 when it was not set aside.
    int saved_stderr_ = -1;
#endif
};

// SDL_InitSubSystem, quietly.
int QuietInitSubSystem(Uint32 flags);

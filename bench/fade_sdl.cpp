// How long the fade to black takes on the SDL backend, from the call to its
// return, over a picture in a bright palette. The original's fade took
// 80 x 12 ms = 960 ms; the game aims to stay within 10% of that.
//
// Usage: bench_fade_sdl [fades] [busy processes] [vsync 1|0|2]
// Busy processes spin on their own while the fades run, as a loaded machine
// would. Vsync: 1 (the default) as in the game, 0 off, 2 forced (see
// bench_video_sdl.h). Runs on whatever video driver SDL picks (run under xvfb-run for X).
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_support.h"
#include "bench/bench_video_sdl.h"
#include "graphics/display.h"
#include "graphics/transition.h"
#include "platform/window.h"

namespace {

constexpr double ORIGINAL_FADE_MS = 960.0;

// A picture using every index, shown in a palette with full channels, as
// the menus and the river are before their fades.
void ShowPicture()
{
    PaletteEntry entries[PALETTE_SIZE];
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        entries[i] = PaletteEntry{uint8_t(i), uint8_t(255 - i), 255, 0};
    }
    SetPalette(entries);
    LockBackSurface();
    for (int y = 0; y < screen_height; ++y) {
        for (int x = 0; x < screen_width; ++x) back_buffer[y * back_pitch + x] = uint8_t(x ^ y);
    }
    UnlockBackSurface();
    PresentFrame();
}

}  // namespace

int main(int argc, char** argv)
{
    const int fades = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int busy_count = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
    const int vsync = argc > 3 ? std::atoi(argv[3]) : 1;
    const BusyProcesses busy(busy_count);
    if (!PlatformOpenWindow("fade bench", 640, 480)) {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 1;
    }
    if (!StartDisplay(640, 480, 8, 0)) {
        std::fprintf(stderr, "no display: %s\n", SDL_GetError());
        PlatformCloseWindow();
        return 1;
    }
    ChooseVsync(vsync);
    PrintVideo(busy_count);

    std::vector<double> lengths;
    for (int i = 0; i < fades; ++i) {
        ShowPicture();
        const auto start = std::chrono::steady_clock::now();
        ScreenTransition(TRANSITION_FADE_BLACK, nullptr, 0);
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        lengths.push_back(spent.count());
    }

    std::printf("%d fades to black: median %.0f ms, min %.0f ms, max %.0f ms "
                "(%.0f%% of the original's %.0f ms at the median)\n",
                fades, Percentile(lengths, 0.5), Percentile(lengths, 0.0), Percentile(lengths, 1.0),
                100.0 * Percentile(lengths, 0.5) / ORIGINAL_FADE_MS, ORIGINAL_FADE_MS);
    StopDisplay();
    PlatformCloseWindow();
    return 0;
}

// What showing one frame costs on the SDL backend, in each scaling mode, as
// a share of the 30 ms frame: the copy into the front surface, the
// conversion through the palette, the scaling into the window and the
// present. Every frame measured differs from the one before, as in play; a
// picture the screen shows already costs only its comparison, measured
// apart.
// Runs on whatever video driver SDL picks (set SDL_VIDEODRIVER=dummy or
// offscreen where there is no display; run under xvfb-run for X), and
// through SDL's renderer where SDL_RENDER_DRIVER names one.
//
// Usage: bench_present_sdl [vsync 0|1|2] [rounds]
// Vsync is off unless asked for (see bench_video_sdl.h), so that the figures
// are the work itself and not the wait for the display's refresh. Each round
// measures every size and mode in turn; the figures are the medians.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_support.h"
#include "bench/bench_video_sdl.h"
#include "graphics/display.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace {

constexpr int FRAMES = 100;
constexpr double FRAME_MS = 30.0;

struct Size {
    int width;
    int height;
};
constexpr Size SIZES[] = {{640, 480}, {1366, 768}, {1920, 1080}};
constexpr int SIZE_COUNT = sizeof SIZES / sizeof SIZES[0];
constexpr const char* MODE_NAMES[] = {"sharp", "fill"};

// A picture that moves down a row each frame, as the river does.
void DrawFrame(int frame)
{
    LockBackSurface();
    for (int y = 0; y < screen_height; ++y) {
        for (int x = 0; x < screen_width; ++x) {
            back_buffer[y * back_pitch + x] = uint8_t((x >> 2) ^ ((y - frame) >> 2));
        }
    }
    UnlockBackSurface();
}

// Milliseconds a PresentFrame takes, over FRAMES frames each drawn anew
// (the drawing not counted).
double PresentMs(bool changed)
{
    double spent = 0;
    for (int i = 0; i < FRAMES; ++i) {
        if (changed) DrawFrame(i);
        const auto start = std::chrono::steady_clock::now();
        PresentFrame();
        spent += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    return spent / FRAMES;
}

void SetWindowSize(const Size& size)
{
    SDL_SetWindowSize(SdlWindow(), size.width, size.height);
    SDL_PumpEvents();
}

void Report(const char* what, double ms)
{
    std::printf("  %-34s %7.3f ms  %5.1f%% of the frame\n", what, ms, 100.0 * ms / FRAME_MS);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (!PlatformOpenWindow("present bench", 640, 480)) {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 1;
    }
    // Windowed, so that the bench chooses the window's sizes.
    if (!StartDisplay(640, 480, 8, 1)) {
        std::fprintf(stderr, "no display: %s\n", SDL_GetError());
        PlatformCloseWindow();
        return 1;
    }
    ChooseVsync(argc > 1 ? std::atoi(argv[1]) : 0);
    PrintVideo(0);
    std::printf("%d frames a measurement, median of %d rounds\n", FRAMES, rounds);
    PaletteEntry entries[PALETTE_SIZE];
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        entries[i] = PaletteEntry{uint8_t(i), uint8_t(2 * i), uint8_t(255 - i), 0};
    }
    SetPalette(entries);

    std::vector<double> changed[SIZE_COUNT][2];
    std::vector<double> same[SIZE_COUNT];
    for (int round = 0; round < rounds; ++round) {
        for (int s = 0; s < SIZE_COUNT; ++s) {
            SetWindowSize(SIZES[s]);
            for (int mode = 0; mode < 2; ++mode) {
                PlatformSetScaling(mode);
                changed[s][mode].push_back(PresentMs(true));
            }
            same[s].push_back(PresentMs(false));
        }
    }
    for (int s = 0; s < SIZE_COUNT; ++s) {
        SetWindowSize(SIZES[s]);
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(SdlWindow(), &w, &h);
        std::printf("window %dx%d:\n", w, h);
        char what[64];
        for (int mode = 0; mode < 2; ++mode) {
            std::snprintf(what, sizeof what, "PresentFrame, %s", MODE_NAMES[mode]);
            Report(what, Percentile(changed[s][mode], 0.5));
        }
        Report("PresentFrame, picture unchanged", Percentile(same[s], 0.5));
        std::printf("  fill costs %.2f times sharp\n",
                    Percentile(changed[s][1], 0.5) / Percentile(changed[s][0], 0.5));
    }
    StopDisplay();
    PlatformCloseWindow();
    return 0;
}

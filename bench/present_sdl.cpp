// What showing one frame costs on the SDL backend: the copy into the front
// surface, the conversion through the palette into the streaming texture,
// the scaling to the window and the present, as a share of the 30 ms frame.
// Runs on whatever video driver SDL picks (set SDL_VIDEODRIVER=dummy or
// offscreen where there is no display; run under xvfb-run for X).
//
// Usage: bench_present_sdl [vsync 0|1|2]
// Vsync is off unless asked for (see bench_video_sdl.h), so that the figures
// are the work itself and not the wait for the display's refresh.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_video_sdl.h"
#include "graphics/display.h"
#include "platform/sdl/sdl_window.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace {

constexpr int FRAMES = 300;
constexpr double FRAME_MS = 30.0;

double MillisecondsPer(int count, void (*work)())
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) work();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / count;
}

void Present()
{
    PresentFrame();
}

void CopyOnly()
{
    PlatformCopySurface(primary_surface, back_surface);
}

// A palette change shows the front surface again: conversion, scaling and
// present without the copy, as every fade step does.
void ChangePalette()
{
    static int phase = 0;
    PaletteEntry entries[PALETTE_SIZE];
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        entries[i] = PaletteEntry{uint8_t(i + phase), uint8_t(2 * i), uint8_t(255 - i), 0};
    }
    phase += 1;
    SetPalette(entries);
}

// The conversion alone, as the backend does it into its texture: one table
// look-up per pixel into 32-bit colour.
uint32_t converted[640 * 480];
uint32_t colour_table[PALETTE_SIZE];

void ConvertOnly()
{
    for (int y = 0; y < primary_surface->height; ++y) {
        const unsigned char* s = primary_surface->pixels + y * primary_surface->pitch;
        uint32_t* d = converted + y * 640;
        for (int x = 0; x < primary_surface->width; ++x) d[x] = colour_table[s[x]];
    }
}

void Report(const char* what, double ms)
{
    std::printf("  %-44s %7.3f ms  %5.1f%% of the frame\n", what, ms, 100.0 * ms / FRAME_MS);
}

}  // namespace

int main(int argc, char** argv)
{
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
    std::printf("%d frames a measurement\n", FRAMES);

    LockBackSurface();
    for (int y = 0; y < screen_height; ++y) {
        for (int x = 0; x < screen_width; ++x) back_buffer[y * back_pitch + x] = uint8_t(x ^ y);
    }
    UnlockBackSurface();
    ChangePalette();

    for (int i = 0; i < PALETTE_SIZE; ++i) colour_table[i] = 0xFF000000u | uint32_t(i) * 0x010101u;
    Report("copy of the back surface alone", MillisecondsPer(FRAMES, CopyOnly));
    Report("conversion through the palette alone", MillisecondsPer(FRAMES, ConvertOnly));
    const int sizes[][2] = {{640, 480}, {1024, 768}, {1920, 1080}};
    for (const auto& size : sizes) {
        SDL_SetWindowSize(SdlWindow(), size[0], size[1]);
        SDL_PumpEvents();
        int w = 0;
        int h = 0;
        SDL_GetRendererOutputSize(SDL_GetRenderer(SdlWindow()), &w, &h);
        std::printf("output %dx%d:\n", w, h);
        Present();
        Report("PresentFrame (copy, convert, scale, present)", MillisecondsPer(FRAMES, Present));
        Report("SetPalette (convert, scale, present)", MillisecondsPer(FRAMES, ChangePalette));
    }
    StopDisplay();
    PlatformCloseWindow();
    return 0;
}

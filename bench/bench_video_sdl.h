// What the SDL benchmarks share about the screen: the vsync they run with,
// and the line they start with, saying where their pictures go.
#pragma once
#include <SDL.h>

#include <cstdio>

#include "platform/sdl/sdl_window.h"
#include "platform/video.h"

// 0: off. 1: the game's own choice, on where the driver can wait for the
// refresh. 2: on even where it cannot, with SDL sleeping to a 60 Hz
// timetable instead, which on a virtual display stands in for the wait of a
// real one. That takes a renderer: where the game writes the window's pixels
// itself, name one in SDL_RENDER_DRIVER (software, for instance).
inline void ChooseVsync(int mode)
{
    PlatformSetVsync(mode != 0);
    SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow());
    if (mode == 2 && renderer) SDL_RenderSetVSync(renderer, 1);
    if (mode == 2 && !renderer) {
        std::printf("no renderer to force vsync on: set SDL_RENDER_DRIVER to have one\n");
    }
}

inline void PrintVideo(int busy_processes)
{
    SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow());
    SDL_RendererInfo info = {};
    int width = 0;
    int height = 0;
    if (renderer) {
        SDL_GetRendererInfo(renderer, &info);
        SDL_GetRendererOutputSize(renderer, &width, &height);
    } else if (SDL_Surface* pixels = SDL_GetWindowSurface(SdlWindow())) {
        width = pixels->w;
        height = pixels->h;
    }
    std::printf("video driver %s, %s %s, output %dx%d, vsync %s, %d busy processes\n",
                SDL_GetCurrentVideoDriver(), renderer ? "renderer" : "no renderer:",
                renderer ? info.name : "the window's pixels", width, height,
                info.flags & SDL_RENDERER_PRESENTVSYNC ? "on" : "off", busy_processes);
}

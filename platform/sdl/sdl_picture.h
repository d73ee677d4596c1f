// The two ways the SDL screen puts the picture into its window: through a
// renderer, which can wait for the display's refresh, where an accelerated
// one exists; otherwise straight into the window's own pixels, which a
// software renderer would only reach through copies of its own.
#pragma once
#include <SDL.h>

#include "platform/video.h"

struct PlatformSurface;

// 1 when a renderer was made: an accelerated one, or when any_renderer is
// set whichever SDL offers (SDL_RENDER_DRIVER can name it).
int SdlRendererOpen(SDL_Window* window, int width, int height, int any_renderer);
void SdlRendererClose();
// Null while no renderer is open.
SDL_Renderer* SdlRenderer();
void SdlRendererSetVsync(int on);
// Draws the picture through the palette, scaled, and presents it. 1 when shown.
int SdlRendererShow(const PlatformSurface* picture, const PlatformColour* palette, int scaling);

// 1 when the window's pixels can be written: 32 bits each.
int SdlWindowPixelsOpen(SDL_Window* window);
void SdlWindowPixelsClose();
// The size of the window's pixels; 0 x 0 while they cannot be had.
void SdlWindowPixelsSize(int* width, int* height);
// Writes the picture through the palette, scaled, into the window's pixels
// and shows it; the black bars too when whole is set or the window's size or
// the picture's place changed. 1 when shown.
int SdlWindowPixelsShow(const PlatformSurface* picture, const PlatformColour* palette, int scaling,
                        int whole);

// What the headless screen showed, for tests and tools.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/video.h"

// One shown picture: the front surface's indices, row after row without
// padding, and the palette it was shown in.
struct HeadlessFrame {
    int width;
    int height;
    std::vector<unsigned char> pixels;
    PlatformColour palette[PLATFORM_PALETTE_SIZE];
};

// Pictures shown since the video started: presents, palette changes and
// fills of the front surface each count one.
int HeadlessShownCount();
// The last picture shown, or null before the first.
const HeadlessFrame* HeadlessLastFrame();
// Called with every picture as it is shown; null removes it.
void HeadlessSetShowHook(void (*hook)(const HeadlessFrame* frame));
// A 64-bit hash of a shown picture's size, indices and palette, the same on
// every platform.
uint64_t HeadlessFrameHash(const HeadlessFrame* frame);
// The colour of pixel (x, y) of a shown picture through its palette.
PlatformColour HeadlessFrameColour(const HeadlessFrame* frame, int x, int y);
// Writes the picture as an 8-bit BMP with its palette. 1 on success.
int HeadlessWriteFrameBmp(const HeadlessFrame* frame, const char* path);
// What the game last asked of vsync (1, the start, on), though the headless
// screen has no refresh to wait for.
int HeadlessVsyncWanted();
// What the game last asked of the scaling (PLATFORM_SCALING_SHARP, the
// start, or PLATFORM_SCALING_FILL).
int HeadlessScalingWanted();

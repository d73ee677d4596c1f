// Blocking screen transitions and the pixel and line primitives under them.
#pragma once

constexpr unsigned TRANSITION_FADE_BLACK = 0;
constexpr unsigned TRANSITION_FADE_WHITE = 1;
constexpr unsigned TRANSITION_CLOSE_SIDES = 2;
constexpr unsigned TRANSITION_CLOSE_TOP_BOTTOM = 3;
constexpr unsigned TRANSITION_DISSOLVE = 4;
constexpr unsigned TRANSITION_CLOSE_ALL = 5;
constexpr unsigned TRANSITION_FADE_BLUE = 6;
constexpr unsigned TRANSITION_FADE_RED = 7;
constexpr unsigned TRANSITION_FADE_GREEN = 8;

// Palette modes ignore memory and pitch; the others draw black into it.
int ScreenTransition(unsigned mode, unsigned char* memory, int pitch);

// Unclipped pixels; 16-bit pixels are words, pitch stays in bytes.
int PlotPixel8(int x, int y, int colour, unsigned char* memory, int pitch);
int PlotPixel16(int x, int y, int colour, unsigned char* memory, int pitch);
// Lines with both ends included, clipped to clip_min_x .. clip_max_y;
// 1 when something was drawn, 0 when the line lies outside.
int HLine8(int x1, int x2, int y, int colour, unsigned char* memory, int pitch);
int VLine8(int y1, int y2, int x, int colour, unsigned char* memory, int pitch);
int HLine16(int x1, int x2, int y, int colour, unsigned char* memory, int pitch);
int VLine16(int y1, int y2, int x, int colour, unsigned char* memory, int pitch);

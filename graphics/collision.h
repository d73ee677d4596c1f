// The two collision tests: shrunken rectangles, and terrain colours.
#pragma once

// 1 when the boxes of 3/4 the size, kept at each rectangle's top-left
// corner, overlap; boxes that only touch do not.
int RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// 1 when a pixel with lowest <= index <= highest lies in the inclusive
// rectangle, clamped to the screen, of the 8-bit memory.
int ScanColourRange(int left, int top, int right, int bottom, unsigned char lowest,
                    unsigned char highest, const unsigned char* memory, int pitch);

// The built-in 8 x 16 font for printable ASCII, and text drawing with it.
#pragma once

struct PlatformSurface;

constexpr int FONT_WIDTH = 8;
constexpr int FONT_HEIGHT = 16;
constexpr int FONT_FIRST_CHAR = 0x20;
constexpr int FONT_LAST_CHAR = 0x7E;

// 16 rows of 8 pixels, the left pixel in the high bit, for characters
// FONT_FIRST_CHAR to FONT_LAST_CHAR; generated at build time.
extern const unsigned char FONT_GLYPHS[FONT_LAST_CHAR - FONT_FIRST_CHAR + 1][FONT_HEIGHT];

// The glyph of a character, or null when it has none.
const unsigned char* PlatformGlyph(char c);
// Draws the set pixels of each glyph in the palette index, FONT_WIDTH pixels
// a character from (x, y), cut to the surface's edges. A character without a
// glyph takes its place and draws nothing. 0 for a null or locked surface.
int PlatformDrawText(PlatformSurface* surface, int x, int y, const char* text, int index);

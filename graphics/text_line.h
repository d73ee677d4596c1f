// A line of text on the back surface, placed by its width, and what is
// drawn behind it so that it reads over any scene.
#pragma once
#include <cstdint>

// DrawText's character cell.
constexpr int GLYPH_WIDTH = 8;
constexpr int GLYPH_HEIGHT = 16;
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;

// Pixels across that DrawText gives text.
int TextWidth(const char* text);
// The left edge of text centred across the screen.
int ScreenCentredX(const char* text);
// Text in colour over a black copy one pixel down and right.
void DrawShadowedText(const char* text, int x, int y, uint32_t colour);
// Text in colour over a box of palette index box_index, reaching margin
// pixels above and below the text and twice that to its sides.
void DrawBoxedText(const char* text, int x, int y, uint32_t colour, int box_index, int margin);

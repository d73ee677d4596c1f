// What the screens added around the game share in drawing: their pictures,
// and the words and marks drawn over them on the back surface once the
// picture is in it.
#pragma once

#include <cstdint>

#include "graphics/bitmap.h"
#include "graphics/text_line.h"

constexpr uint32_t TEXT_GOLD = 0x68D6FC;
constexpr uint32_t TEXT_ALERT = 0x5050FF;
constexpr int TEXT_CHAR_WIDTH = GLYPH_WIDTH;
constexpr int TEXT_CHAR_HEIGHT = GLYPH_HEIGHT;

// The colours of the marks the screens fill in, as indices of the menu
// palette that every picture is drawn in: a chosen row's bar, and lines
// such as a chosen tab's underline or a letter cell's frame.
constexpr int MARK_BAR_INDEX = 165;
constexpr int MARK_LINE_INDEX = 136;

// Loads a full-screen picture (640 x 480, in the menu palette's colours)
// from the working directory, as the menus are; one that is missing or
// unfit stays unloaded and shows black.
void LoadScreenPicture(BitmapImage* image, const char* name);

void DrawTextCentred(const char* text, int centre_x, int y, uint32_t colour);
void DrawTextRight(const char* text, int right_x, int y, uint32_t colour);
// Fills the rectangle (right and bottom exclusive) with a palette index.
void FillMark(int left, int top, int right, int bottom, int index);
// The chosen row's bar across its box, a little in from the box's sides,
// from above pixels over the row's text at y to below pixels under that.
void FillRowBar(int box_left, int box_right, int y, int above, int below);

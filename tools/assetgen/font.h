// Lettering for the menus, the panel and the depot: the 8x16 glyphs of the
// system's unifont, read at build time, drawn plain, bold or enlarged.
#pragma once
#include <string>

#include "tools/assetgen/canvas.h"

struct TextStyle {
    int colour;
    int scale = 1;      // each glyph pixel becomes scale x scale
    bool bold = false;  // strokes doubled to the right
    int shadow = -1;    // colour of a one-step drop shadow, -1 for none
};

// Width in pixels of `text` (ASCII) in the style, 8 x scale per character.
int TextWidth(const std::string& text, const TextStyle& style);
// Draws with the top-left at (x, y). Characters without a glyph are blank.
void DrawString(Canvas& c, int x, int y, const std::string& text, const TextStyle& style);
void DrawCentred(Canvas& c, int centre_x, int y, const std::string& text, const TextStyle& style);

#include "platform/font.h"

#include "platform/surface.h"

const unsigned char* PlatformGlyph(char c)
{
    const int code = static_cast<unsigned char>(c);
    if (code < FONT_FIRST_CHAR || code > FONT_LAST_CHAR) return nullptr;
    return FONT_GLYPHS[code - FONT_FIRST_CHAR];
}

int PlatformDrawText(PlatformSurface* surface, int x, int y, const char* text, int index)
{
    if (!surface || !text || surface->locked) return 0;
    const auto value = static_cast<unsigned char>(index);
    for (int left = x; *text; ++text, left += FONT_WIDTH) {
        const unsigned char* glyph = PlatformGlyph(*text);
        if (!glyph) continue;
        for (int row = 0; row < FONT_HEIGHT; ++row) {
            const int py = y + row;
            if (py < 0 || py >= surface->height) continue;
            for (int col = 0; col < FONT_WIDTH; ++col) {
                const int px = left + col;
                if (px < 0 || px >= surface->width) continue;
                if (glyph[row] & (0x80 >> col)) surface->pixels[py * surface->pitch + px] = value;
            }
        }
    }
    return 1;
}

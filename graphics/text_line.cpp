#include "graphics/text_line.h"

#include <cstring>

#include "graphics/display.h"
#include "graphics/text_log.h"

namespace {

constexpr uint32_t SHADOW = 0x000000;

}  // namespace

int TextWidth(const char* text)
{
    return GLYPH_WIDTH * static_cast<int>(std::strlen(text));
}

int ScreenCentredX(const char* text)
{
    return (screen_width - TextWidth(text)) / 2;
}

void DrawShadowedText(const char* text, int x, int y, uint32_t colour)
{
    DrawText(text, x + 1, y + 1, SHADOW, back_surface);
    DrawText(text, x, y, colour, back_surface);
}

void DrawBoxedText(const char* text, int x, int y, uint32_t colour, int box_index, int margin)
{
    const DisplayRect box{x - 2 * margin, y - margin, x + TextWidth(text) + 2 * margin, y + GLYPH_HEIGHT + margin};
    FillSurface(back_surface, box_index, &box);
    DrawText(text, x, y, colour, back_surface);
}

#include "replays/banner.h"

#include <cstdint>
#include <cstring>

#include "graphics/display.h"
#include "graphics/text_log.h"

namespace {

constexpr int GLYPH_WIDTH = 8;
constexpr int GLYPH_HEIGHT = 16;
constexpr int TEXT_Y = 6;
constexpr int MARGIN = 4;
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;

// The darkest colour of the palette in force, for the box.
int DarkestIndex()
{
    int darkest = 0;
    int least = 3 * 256;
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        const int sum = palette[i].red + palette[i].green + palette[i].blue;
        if (sum < least) {
            least = sum;
            darkest = i;
        }
    }
    return darkest;
}

}  // namespace

void DrawReplayBanner(const char* text)
{
    const int width = GLYPH_WIDTH * static_cast<int>(std::strlen(text));
    const int x = (screen_width - width) / 2;
    const DisplayRect box{x - 2 * MARGIN, TEXT_Y - MARGIN, x + width + 2 * MARGIN, TEXT_Y + GLYPH_HEIGHT + MARGIN};
    FillSurface(back_surface, DarkestIndex(), &box);
    DrawText(text, x, TEXT_Y, TEXT_WHITE, back_surface);
}

#include "shown_text.h"

#include <cstdlib>
#include <cstring>

#include "platform/font.h"
#include "platform/headless/headless_video.h"

namespace {

constexpr int NEAR = 24;
constexpr int BRIGHT = 230;

}  // namespace

bool IsWhite(PlatformColour colour, int)
{
    return colour.red >= BRIGHT && colour.green >= BRIGHT && colour.blue >= BRIGHT;
}

bool IsGold(PlatformColour colour, int)
{
    return colour.red >= BRIGHT && colour.green >= 190 && colour.green <= 240 && colour.blue <= 140;
}

bool IsAlert(PlatformColour colour, int)
{
    return colour.red >= BRIGHT && colour.green <= 120 && colour.blue <= 120;
}

bool IsPulse(PlatformColour colour, int level)
{
    return colour.red >= BRIGHT && std::abs(colour.green - level) <= NEAR &&
           std::abs(colour.blue - level) <= NEAR;
}

bool ShowsText(const char* text, int x, int y, ColourTest test, int expected_level)
{
    const HeadlessFrame* frame = HeadlessLastFrame();
    if (frame == nullptr) return false;
    int between = 0;
    int between_passing = 0;
    const int length = static_cast<int>(std::strlen(text));
    for (int i = 0; i < length; ++i) {
        const unsigned char* glyph = PlatformGlyph(text[i]);
        if (glyph == nullptr) return false;
        for (int row = 0; row < FONT_HEIGHT; ++row) {
            for (int column = 0; column < FONT_WIDTH; ++column) {
                const bool set = (glyph[row] >> (7 - column)) & 1;
                const PlatformColour shown =
                    HeadlessFrameColour(frame, x + FONT_WIDTH * i + column, y + row);
                const bool passes = test(shown, expected_level);
                if (set && !passes) return false;
                if (!set) {
                    ++between;
                    between_passing += passes ? 1 : 0;
                }
            }
        }
    }
    return between_passing * 2 < between;
}

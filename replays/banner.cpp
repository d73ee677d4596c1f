#include "replays/banner.h"

#include "graphics/display.h"
#include "graphics/text_line.h"

namespace {

constexpr int TEXT_Y = 6;
constexpr int MARGIN = 4;

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
    DrawBoxedText(text, ScreenCentredX(text), TEXT_Y, TEXT_WHITE, DarkestIndex(), MARGIN);
}

#include "graphics/collision.h"

#include <cstdlib>

#include "graphics/display.h"

namespace {

int ClampToScreen(int value, int limit)
{
    if (value >= limit) return limit - 1;
    if (value < 0) return 0;
    return value;
}

}  // namespace

int RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2)
{
    const int hw1 = (w1 >> 1) - (w1 >> 3);
    const int hh1 = (h1 >> 1) - (h1 >> 3);
    const int hw2 = (w2 >> 1) - (w2 >> 3);
    const int hh2 = (h2 >> 1) - (h2 >> 3);
    const int dx = (x2 + hw2) - (x1 + hw1);
    if (std::abs(dx) >= hw1 + hw2) return 0;
    const int dy = (y2 + hh2) - (y1 + hh1);
    if (std::abs(dy) >= hh1 + hh2) return 0;
    return 1;
}

int ScanColourRange(int left, int top, int right, int bottom, unsigned char lowest,
                    unsigned char highest, const unsigned char* memory, int pitch)
{
    if (!memory || screen_width < 1 || screen_height < 1) return 0;
    left = ClampToScreen(left, screen_width);
    right = ClampToScreen(right, screen_width);
    top = ClampToScreen(top, screen_height);
    bottom = ClampToScreen(bottom, screen_height);
    if (top > bottom) return 0;
    for (int row = top; row <= bottom; ++row) {
        const unsigned char* line = memory + row * pitch;
        for (int column = left; column <= right; ++column) {
            if (line[column] >= lowest && line[column] <= highest) return 1;
        }
    }
    return 0;
}

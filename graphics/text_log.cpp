#include "graphics/text_log.h"

#include <cstdarg>

#include "graphics/display.h"
#include "platform/font.h"

std::FILE* log_file = nullptr;

namespace {

constexpr int LOG_LINE_SIZE = 80;

}  // namespace

int NearestPaletteIndex(uint32_t colour)
{
    const int red = static_cast<int>(colour & 0xFF);
    const int green = static_cast<int>((colour >> 8) & 0xFF);
    const int blue = static_cast<int>((colour >> 16) & 0xFF);
    int best = 0;
    int best_distance = -1;
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        const int dr = palette[i].red - red;
        const int dg = palette[i].green - green;
        const int db = palette[i].blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return best;
}

int DrawText(const char* text, int x, int y, uint32_t colour, PlatformSurface* surface)
{
    return PlatformDrawText(surface, x, y, text, NearestPaletteIndex(colour));
}

int LogMessage(const char* format, ...)
{
    if (!format || !log_file) return 0;
    char line[LOG_LINE_SIZE];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fputs(line, log_file);
    std::fflush(log_file);
    return 1;
}

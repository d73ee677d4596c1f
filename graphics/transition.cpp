#include "graphics/transition.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "app/frame_clock.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/random.h"

namespace {

constexpr uint32_t TRANSITION_STEP_MS = 12;
constexpr int FADE_BLACK_STEPS = 80;
constexpr int FADE_STEPS = 64;

uint8_t Lower(uint8_t value, int amount)
{
    return static_cast<uint8_t>(std::max(value - amount, 0));
}

uint8_t Raise(uint8_t value, int amount)
{
    return static_cast<uint8_t>(std::min(value + amount, 255));
}

void FadeEntry(unsigned mode, PaletteEntry* e)
{
    switch (mode) {
    case TRANSITION_FADE_BLACK:
        e->red = e->red <= 4 ? 0 : static_cast<uint8_t>(e->red - 3);
        e->green = e->green <= 4 ? 0 : static_cast<uint8_t>(e->green - 3);
        e->blue = e->blue <= 4 ? 0 : static_cast<uint8_t>(e->blue - 3);
        break;
    case TRANSITION_FADE_WHITE:
        e->red = Raise(e->red, 4);
        e->green = Raise(e->green, 4);
        e->blue = Raise(e->blue, 4);
        break;
    case TRANSITION_FADE_BLUE:
        e->red = Lower(e->red, 4);
        e->green = Lower(e->green, 4);
        e->blue = Raise(e->blue, 6);
        break;
    case TRANSITION_FADE_RED:
        e->red = Raise(e->red, 6);
        e->green = Lower(e->green, 4);
        e->blue = Lower(e->blue, 4);
        break;
    case TRANSITION_FADE_GREEN:
        e->red = Lower(e->red, 4);
        e->green = Raise(e->green, 6);
        e->blue = Lower(e->blue, 4);
        break;
    default:
        break;
    }
}

// Step n is due n x 12 ms after the fade's start, so that the fade keeps its
// length however long showing a palette takes (a present that waits for the
// display's refresh, a busy machine). A step whose time is already over when
// it comes is worked out but not shown, so that the fade catches up; the
// last step is always shown, so the fade ends on its exact palette.
void Fade(unsigned mode)
{
    const int steps = mode == TRANSITION_FADE_BLACK ? FADE_BLACK_STEPS : FADE_STEPS;
    // The fade to black keeps entry 0, the background colour.
    const int first = mode == TRANSITION_FADE_BLACK ? 1 : 0;
    PaletteEntry work[PALETTE_SIZE];
    GetPalette(work);
    const uint32_t start = MarkFrameStart();
    for (int step = 0; step < steps; ++step) {
        for (int i = first; i < PALETTE_SIZE; ++i) FadeEntry(mode, &work[i]);
        const uint32_t due = start + static_cast<uint32_t>(step) * TRANSITION_STEP_MS;
        const bool late = PlatformGetTicks() - due >= TRANSITION_STEP_MS;
        if (!late || step == steps - 1) SetPalette(work);
        // The frame's own wait then counts from the last step's due time.
        clock_start = due;
        WaitSinceMark(TRANSITION_STEP_MS);
    }
}

void Row(int y, unsigned char* memory, int pitch)
{
    if (screen_bpp == 8) HLine8(0, screen_width - 1, y, 0, memory, pitch);
    if (screen_bpp == 16) HLine16(0, screen_width - 1, y, 0, memory, pitch);
}

void Column(int x, unsigned char* memory, int pitch)
{
    if (screen_bpp == 8) VLine8(0, screen_height - 1, x, 0, memory, pitch);
    if (screen_bpp == 16) VLine16(0, screen_height - 1, x, 0, memory, pitch);
}

void Columns(int i, unsigned char* memory, int pitch)
{
    Column(screen_width - 1 - i, memory, pitch);
    Column(i, memory, pitch);
    Column(screen_width - 2 - i, memory, pitch);
    Column(i + 1, memory, pitch);
}

void Rows(int i, unsigned char* memory, int pitch)
{
    Row(screen_height - 1 - i, memory, pitch);
    Row(i, memory, pitch);
    Row(screen_height - 2 - i, memory, pitch);
    Row(i + 1, memory, pitch);
}

// Line wipes wait before each step; without memory they only wait.
void Wipe(unsigned mode, unsigned char* memory, int pitch)
{
    const int limit = mode == TRANSITION_CLOSE_TOP_BOTTOM ? screen_height / 2 : screen_width / 2;
    const int half_height = screen_height / 2;
    for (int i = 0; i < limit; i += 2) {
        MarkFrameStart();
        WaitSinceMark(TRANSITION_STEP_MS);
        if (!memory) continue;
        if (mode == TRANSITION_CLOSE_SIDES) Columns(i, memory, pitch);
        if (mode == TRANSITION_CLOSE_TOP_BOTTOM) Rows(i, memory, pitch);
        if (mode == TRANSITION_CLOSE_ALL) {
            if (half_height > 0) Rows(i % half_height, memory, pitch);
            Columns(i, memory, pitch);
        }
    }
}

void Dissolve(unsigned char* memory, int pitch)
{
    if (!memory || screen_width < 1 || screen_height < 1) return;
    const int64_t count = 4 * int64_t{screen_height} * screen_width;
    for (int64_t n = 0; n <= count; ++n) {
        const int y = wavedart::rand() % screen_height;
        const int x = wavedart::rand() % screen_width;
        if (screen_bpp == 8) PlotPixel8(x, y, 0, memory, pitch);
        if (screen_bpp == 16) PlotPixel16(x, y, 0, memory, pitch);
    }
}

void Store16(unsigned char* memory, int64_t word_index, int colour)
{
    const auto value = static_cast<uint16_t>(colour);
    std::memcpy(memory + 2 * word_index, &value, sizeof value);
}

}  // namespace

int ScreenTransition(unsigned mode, unsigned char* memory, int pitch)
{
    switch (mode) {
    case TRANSITION_FADE_BLACK:
    case TRANSITION_FADE_WHITE:
    case TRANSITION_FADE_BLUE:
    case TRANSITION_FADE_RED:
    case TRANSITION_FADE_GREEN:
        Fade(mode);
        break;
    case TRANSITION_CLOSE_SIDES:
    case TRANSITION_CLOSE_TOP_BOTTOM:
    case TRANSITION_CLOSE_ALL:
        Wipe(mode, memory, pitch);
        break;
    case TRANSITION_DISSOLVE:
        Dissolve(memory, pitch);
        break;
    default:
        break;
    }
    return 1;
}

int PlotPixel8(int x, int y, int colour, unsigned char* memory, int pitch)
{
    memory[int64_t{y} * pitch + x] = static_cast<unsigned char>(colour);
    return 1;
}

int PlotPixel16(int x, int y, int colour, unsigned char* memory, int pitch)
{
    Store16(memory, int64_t{y} * (pitch >> 1) + x, colour);
    return 1;
}

int HLine8(int x1, int x2, int y, int colour, unsigned char* memory, int pitch)
{
    if (y < clip_min_y || y > clip_max_y) return 0;
    if (x1 > x2) std::swap(x1, x2);
    if (x1 > clip_max_x || x2 < clip_min_x) return 0;
    x1 = std::max(x1, clip_min_x);
    x2 = std::min(x2, clip_max_x);
    std::memset(memory + int64_t{y} * pitch + x1, static_cast<unsigned char>(colour),
                static_cast<std::size_t>(x2 - x1 + 1));
    return 1;
}

int VLine8(int y1, int y2, int x, int colour, unsigned char* memory, int pitch)
{
    if (x < clip_min_x || x > clip_max_x) return 0;
    if (y1 > y2) std::swap(y1, y2);
    if (y1 > clip_max_y || y2 < clip_min_y) return 0;
    y1 = std::max(y1, clip_min_y);
    y2 = std::min(y2, clip_max_y);
    for (int y = y1; y <= y2; ++y) memory[int64_t{y} * pitch + x] = static_cast<unsigned char>(colour);
    return 1;
}

int HLine16(int x1, int x2, int y, int colour, unsigned char* memory, int pitch)
{
    if (y < clip_min_y || y > clip_max_y) return 0;
    if (x1 > x2) std::swap(x1, x2);
    if (x1 > clip_max_x || x2 < clip_min_x) return 0;
    x1 = std::max(x1, clip_min_x);
    x2 = std::min(x2, clip_max_x);
    for (int x = x1; x <= x2; ++x) Store16(memory, int64_t{y} * (pitch >> 1) + x, colour);
    return 1;
}

int VLine16(int y1, int y2, int x, int colour, unsigned char* memory, int pitch)
{
    if (x < clip_min_x || x > clip_max_x) return 0;
    if (y1 > y2) std::swap(y1, y2);
    if (y1 > clip_max_y || y2 < clip_min_y) return 0;
    y1 = std::max(y1, clip_min_y);
    y2 = std::min(y2, clip_max_y);
    for (int y = y1; y <= y2; ++y) Store16(memory, int64_t{y} * (pitch >> 1) + x, colour);
    return 1;
}

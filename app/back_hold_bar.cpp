#include "app/back_hold_bar.h"

#include <cstdint>
#include <cstdio>

#include "graphics/display.h"
#include "graphics/text_line.h"
#include "graphics/text_log.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "input/gamepad.h"

namespace {

// Near the top of the scene, centred, clear of the craft, which flies near
// the bottom.
constexpr int BAR_WIDTH = 200;
constexpr int BAR_HEIGHT = 8;
constexpr int BAR_BOTTOM = 48;
constexpr int LABEL_GAP = 20;
constexpr uint32_t SHADOW = 0x000000;

void Fill(int left, int top, int right, int bottom, uint32_t colour)
{
    const DisplayRect rect{left, top, right, bottom};
    FillSurface(back_surface, NearestPaletteIndex(colour), &rect);
}

}  // namespace

void DrawBackHoldBar()
{
    if (pad_back_held_ms <= 0) return;
    char label[64];
    std::snprintf(label, sizeof label, "Hold %s to leave the game", ButtonName(bindings[ACTION_BACK].button));
    const int top = BAR_BOTTOM - BAR_HEIGHT;
    DrawShadowedText(label, ScreenCentredX(label), top - LABEL_GAP, TEXT_WHITE);

    const int left = (screen_width - BAR_WIDTH) / 2;
    const int filled = BAR_WIDTH * pad_back_held_ms / PAD_BACK_HOLD_MS;
    Fill(left - 1, top - 1, left + BAR_WIDTH + 1, BAR_BOTTOM + 1, SHADOW);
    Fill(left, top, left + filled, BAR_BOTTOM, TEXT_WHITE);
}

// The heads-up display along the bottom of the play screen.
#include "app/hud.h"

#include <cstdint>
#include <cstdio>

#include "app/back_hold_bar.h"
#include "app/game_state.h"
#include "game/craft.h"
#include "graphics/bitmap.h"
#include "graphics/display.h"
#include "graphics/text_line.h"
#include "graphics/text_log.h"

Sprite hud_panel;
int fuel_blink = 0;

namespace {

constexpr int PANEL_WIDTH = 640;
constexpr int PANEL_HEIGHT = 32;
constexpr int PANEL_Y = 448;
// Pixels of this index let the scene show through the panel.
constexpr int PANEL_SEE_THROUGH = 1;
constexpr int TEXT_Y = 460;
constexpr int FUEL_RIGHT = 350;
constexpr int BLINK_STEP = 15;
constexpr int BLINK_LAST = 255;

// Red 255 with green and blue at the pulse's phase (0x00BBGGRR).
uint32_t PulseColour()
{
    const uint32_t phase = static_cast<uint32_t>(fuel_blink) & 0xFF;
    return 0xFF | (phase << 8) | (phase << 16);
}

}  // namespace

int LoadHud()
{
    const int loaded = LoadBitmapFile(&bitmap_file, "art/info.bmp");
    CreateSprite(&hud_panel, 9999, 9999, PANEL_WIDTH, PANEL_HEIGHT, 1,
                 SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, DDSCAPS_SYSTEMMEMORY, PANEL_SEE_THROUGH, 8);
    if (loaded) LoadSpriteFrame(&hud_panel, &bitmap_file, 0, 0, 0, CELL_COORDS);
    UnloadBitmapFile(&bitmap_file);
    hud_panel.x = 0.0f;
    hud_panel.y = static_cast<float>(PANEL_Y);
    return 1;
}

int DrawHud()
{
    DrawSprite(&hud_panel, back_surface);

    std::snprintf(text_buffer, sizeof text_buffer, "SCORE  %s", FormatScoreText(score));
    DrawText(text_buffer, 15, TEXT_Y, TEXT_WHITE, back_surface);

    // Integer division truncates toward zero, also for a tank burnt below empty.
    std::snprintf(text_buffer, sizeof text_buffer, "FUEL  %d%%", fuel / 10);
    const int fuel_x = FUEL_RIGHT - TextWidth(text_buffer);
    DrawText(text_buffer, fuel_x, TEXT_Y, fuel > FUEL_LOW ? TEXT_WHITE : PulseColour(), back_surface);
    fuel_blink += BLINK_STEP;
    if (fuel_blink > BLINK_LAST) fuel_blink = 0;

    std::snprintf(text_buffer, sizeof text_buffer, "SHIPS  %d", lives);
    DrawText(text_buffer, 470, TEXT_Y, TEXT_WHITE, back_surface);

    std::snprintf(text_buffer, sizeof text_buffer, "LEVEL  %d", level + 1);
    const int drawn = DrawText(text_buffer, 550, TEXT_Y, TEXT_WHITE, back_surface);
    DrawBackHoldBar();
    return drawn;
}

int UnloadHud()
{
    return DestroySprite(&hud_panel);
}

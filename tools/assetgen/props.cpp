// The fuel depot, the bridge and the heads-up panel.
#include "tools/assetgen/art.h"
#include "tools/assetgen/display_font.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/palette.h"

namespace {

// Screen x ranges of the panel's four text lines (8 pixels a character):
// score from 15, fuel ending at 350, ships from 470, level from 550.
struct Slot {
    int x0, x1;
};
constexpr Slot kSlots[] = {{8, 144}, {262, 358}, {462, 541}, {545, 630}};
constexpr int kPanelTextTop = 12;  // text at screen y 460, panel at 448

}  // namespace

Canvas DrawFuelDepot() {
    Canvas c = MakeCanvas(48, 96);
    FillRect(c, 8, 90, 32, 4, RAMP_GREY.Shade(4));  // footing
    FillRect(c, 5, 4, 38, 86, RAMP_GREY.Shade(9));   // frame
    const char* word = "FUEL";
    for (int k = 0; k < 4; ++k) {
        int top = 6 + k * 21;
        bool red = k % 2 == 0;
        int band = red ? RAMP_ALERT.Shade(0) : RAMP_GREY.Shade(15);
        FillRect(c, 7, top, 34, 20, band);
        FillRect(c, 7, top, 34, 2, red ? RAMP_ALERT.Shade(5) : PAL_WHITE);       // lit top edge
        FillRect(c, 7, top + 18, 34, 2, red ? RAMP_FIRE.Shade(2) : RAMP_GREY.Shade(11));
        Canvas letter = DisplayTextMask(std::string(1, word[k]), 2);
        int ink = red ? PAL_WHITE : RAMP_ALERT.Shade(0), shadow = red ? RAMP_FIRE.Shade(1) : RAMP_GREY.Shade(9);
        for (int y = 0; y < letter.height; ++y)
            for (int x = 0; x < letter.width; ++x)
                if (GetPixel(letter, x, y)) {
                    SetPixel(c, 20 + x, top + 4 + y, shadow);
                    SetPixel(c, 19 + x, top + 3 + y, ink);
                }
    }
    FillRect(c, 5, 2, 38, 3, RAMP_GREY.Shade(12));  // cap
    FillRect(c, 20, 0, 8, 2, RAMP_GREY.Shade(7));
    Outline(c, RAMP_NAVY.Shade(0));
    return c;
}

Canvas DrawBridge() {
    Canvas c = MakeCanvas(128, 64);
    // Deck: asphalt with a dashed centre line.
    for (int y = 16; y < 48; ++y)
        for (int x = 0; x < 128; ++x) SetPixel(c, x, y, RAMP_GREY.Shade(HashUnit(x, y, 5) > 0.8 ? 5 : 4));
    // Its shadow on the water below.
    for (int y = 56; y < 61; ++y)
        for (int x = 12; x < 116; ++x)
            if (y < 59 || (x + y) % 2 == 0) SetPixel(c, x, y, RAMP_WATER.Shade(1));
    for (int x = 6; x < 122; x += 12) FillRect(c, x, 31, 6, 2, RAMP_GOLD.Shade(10));
    // Steel trusses along both sides.
    for (int side = 0; side < 2; ++side) {
        int top = side == 0 ? 8 : 48;
        FillRect(c, 0, top, 128, 8, RAMP_RUST.Shade(2));
        FillRect(c, 0, top, 128, 2, RAMP_RUST.Shade(6));
        FillRect(c, 0, top + 6, 128, 2, RAMP_RUST.Shade(4));
        for (int x = 0; x < 128; x += 8) {
            DrawLine(c, x, top + 2, x + 7, top + 5, RAMP_RUST.Shade(7));
            DrawLine(c, x, top + 5, x + 7, top + 2, RAMP_RUST.Shade(5));
        }
    }
    // Piers at both ends, where the bridge rests on the banks.
    for (int x0 : {0, 116}) {
        FillRect(c, x0, 4, 12, 56, RAMP_WARM.Shade(9));
        FillRect(c, x0, 4, 12, 2, RAMP_WARM.Shade(12));
        FillRect(c, x0 + 2, 16, 8, 32, RAMP_WARM.Shade(6));
    }
    Outline(c, RAMP_NAVY.Shade(0));
    return c;
}

Canvas DrawPanel() {
    Canvas c = MakeCanvas(640, 32, PAL_SEE_THROUGH);
    // The body, with a bevelled top edge that rises into a tab behind each
    // text line; between the tabs the scene shows through.
    FillRect(c, 0, 8, 640, 24, RAMP_STEEL.Shade(4));
    FillRect(c, 0, 8, 640, 1, RAMP_STEEL.Shade(9));
    FillRect(c, 0, 9, 640, 1, RAMP_STEEL.Shade(6));
    for (int x = 0; x < 640; x += 4)
        for (int y = 12; y < 32; y += 4) SetPixel(c, x + (y / 4) % 2 * 2, y, RAMP_STEEL.Shade(3));
    for (const Slot& s : kSlots) {
        FillPolygon(c, {{double(s.x0 - 6), 8}, {double(s.x0), 2}, {double(s.x1), 2}, {double(s.x1 + 6), 8}},
                    RAMP_STEEL.Shade(5));
        FillRect(c, s.x0, 2, s.x1 - s.x0, 1, RAMP_STEEL.Shade(10));
        // Recessed display behind the text.
        FillRect(c, s.x0, kPanelTextTop - 4, s.x1 - s.x0, 23, RAMP_STEEL.Shade(1));
        FillRect(c, s.x0 + 1, kPanelTextTop - 3, s.x1 - s.x0 - 2, 21, RAMP_NAVY.Shade(0));
        FillRect(c, s.x0 + 1, kPanelTextTop + 18, s.x1 - s.x0 - 2, 1, RAMP_STEEL.Shade(7));
    }
    return c;
}

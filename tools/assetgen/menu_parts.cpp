#include "tools/assetgen/menu_parts.h"

#include <cstdlib>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/display_font.h"

Canvas Backdrop(int map_y, double light) {
    static const Canvas map = DrawRiverMap();
    Canvas c = MakeCanvas(W, H);
    std::vector<int> dim(256);
    for (int i = 0; i < 256; ++i) {
        Rgb rgb = GamePalette()[size_t(i)];
        dim[size_t(i)] = NearestColour({int(rgb.r * light), int(rgb.g * light), int(rgb.b * light * 1.15)});
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) SetPixel(c, x, y, dim[size_t(GetPixel(map, x, map_y + y))]);
    return c;
}

void Box(Canvas& c, int x, int y, int w, int h) {
    FillRect(c, x, y, w, h, RAMP_NAVY.Shade(1));
    FillRect(c, x, y, w, 2, RAMP_GOLD.Shade(9));
    FillRect(c, x, y + h - 2, w, 2, RAMP_GOLD.Shade(5));
    FillRect(c, x, y, 2, h, RAMP_GOLD.Shade(8));
    FillRect(c, x + w - 2, y, 2, h, RAMP_GOLD.Shade(6));
}

void BoxBetween(Canvas& c, int left, int top, int right, int bottom) { Box(c, left, top, right - left, bottom - top); }

void Headline(Canvas& c, int centre_x, int y, int scale, const std::string& text, Ramp ramp) {
    Canvas ink = DisplayTextMask(text, scale);
    int x0 = centre_x - ink.width / 2;
    for (int yy = 0; yy < ink.height; ++yy)
        for (int xx = 0; xx < ink.width; ++xx)
            if (GetPixel(ink, xx, yy))
                for (int d = 1; d <= scale; ++d) SetPixel(c, x0 + xx + d + 2, y + yy + d + 2, RAMP_SKY.Shade(0));
    for (int yy = -2; yy < ink.height + 2; ++yy)
        for (int xx = -2; xx < ink.width + 2; ++xx) {
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) near = std::abs(dx) + std::abs(dy) <= 3 && GetPixel(ink, xx + dx, yy + dy);
            if (near && !GetPixel(ink, xx, yy)) SetPixel(c, x0 + xx, y + yy, RAMP_NAVY.Shade(0));
        }
    for (int yy = 0; yy < ink.height; ++yy)
        for (int xx = 0; xx < ink.width; ++xx) {
            if (!GetPixel(ink, xx, yy)) continue;
            double t = double(yy) / ink.height;
            int shade = int((1 - t) * (ramp.count - 1) * 0.95 + 0.5);
            if (!GetPixel(ink, xx, yy - 1)) shade = ramp.count - 1;  // bright upper edges
            SetPixel(c, x0 + xx, y + yy, ramp.Shade(shade));
        }
}

void Title(Canvas& c, int centre_x, int y, int scale) { Headline(c, centre_x, y, scale, "WAVEDART", RAMP_GOLD); }

Canvas AddedScreen(int map_y, int headline_y, const std::string& headline) {
    Canvas c = Backdrop(map_y, 0.34);
    Title(c, W / 2, 6, 5);
    Headline(c, W / 2, headline_y, 3, headline, RAMP_SKY);
    return c;
}

void KeyCap(Canvas& c, int x, int y, int w, const std::string& label) {
    FillRect(c, x, y + 2, w, 24, RAMP_GREY.Shade(4));
    FillRect(c, x, y, w, 23, RAMP_GREY.Shade(13));
    FillRect(c, x + 2, y + 2, w - 4, 18, RAMP_GREY.Shade(11));
    FillRect(c, x, y, w, 1, PAL_WHITE);
    Outline(c, RAMP_NAVY.Shade(0));
    DrawCentred(c, x + w / 2, y + 3, label, {RAMP_NAVY.Shade(0), 1, true});
}

void ArrowCap(Canvas& c, int x, int y, int dx, int dy) {
    KeyCap(c, x, y, 26, "");
    double cx = x + 13, cy = y + 11;
    std::vector<Point> tri;
    if (dx) tri = {{cx + 6 * dx, cy}, {cx - 5 * dx, cy - 6}, {cx - 5 * dx, cy + 6}};
    else tri = {{cx, cy + 6 * dy}, {cx - 6, cy - 5 * dy}, {cx + 6, cy - 5 * dy}};
    FillPolygon(c, tri, RAMP_NAVY.Shade(0));
}

const TextStyle kText{PAL_WHITE, 1, false, RAMP_NAVY.Shade(0)};
const TextStyle kBold{PAL_WHITE, 1, true, RAMP_NAVY.Shade(0)};
const TextStyle kGold{RAMP_GOLD.Shade(12), 1, true, RAMP_NAVY.Shade(0)};
const TextStyle kBig{PAL_WHITE, 2, true, RAMP_NAVY.Shade(0)};

void Option(Canvas& c, int x, int y, int key_width, const std::string& key, const std::string& label) {
    KeyCap(c, x, y, key_width, key);
    DrawString(c, x + key_width + 16, y - 2, label, kBig);
}

void BackHint(Canvas& c, int y, const std::string& what) {
    int w = TextWidth(what, kBold) + 96 + 14;
    int x = W / 2 - w / 2;
    KeyCap(c, x, y, 96, "BACKSPACE");
    DrawString(c, x + 96 + 14, y + 3, what, kBold);
}

void Well(Canvas& c, int x, int y, int w, int h) {
    FillRect(c, x, y, w, h, RAMP_NAVY.Shade(0));
    FillRect(c, x, y, w, 1, RAMP_STEEL.Shade(3));
}

int Hint(Canvas& c, int x, int y, int key_width, const std::string& key, const std::string& what) {
    KeyCap(c, x, y, key_width, key);
    DrawString(c, x + key_width + 8, y + 3, what, kBold);
    return x + key_width + 8 + TextWidth(what, kBold) + 24;
}

int ArrowPair(Canvas& c, int x, int y, bool vertical, const std::string& what) {
    ArrowCap(c, x, y, vertical ? 0 : -1, vertical ? -1 : 0);
    ArrowCap(c, x + 30, y, vertical ? 0 : 1, vertical ? 1 : 0);
    DrawString(c, x + 64, y + 3, what, kBold);
    return x + 64 + TextWidth(what, kBold) + 24;
}

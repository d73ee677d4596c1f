#include "tools/assetgen/palette.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

int Ramp::Shade(int i) const {
    if (i < 0) i = 0;
    if (i >= count) i = count - 1;
    return first + i;
}

namespace {

// Fills the ramp by interpolating evenly through the given stops.
void FillRamp(Palette& pal, Ramp ramp, std::initializer_list<Rgb> stops) {
    std::vector<Rgb> s(stops);
    for (int i = 0; i < ramp.count; ++i) {
        double t = ramp.count == 1 ? 0.0 : double(i) / (ramp.count - 1) * double(s.size() - 1);
        int k = int(t);
        if (k >= int(s.size()) - 1) k = int(s.size()) - 2;
        double f = t - k;
        auto mix = [f](int a, int b) { return int(a + (b - a) * f + 0.5); };
        pal[ramp.first + i] = {mix(s[k].r, s[k + 1].r), mix(s[k].g, s[k + 1].g), mix(s[k].b, s[k + 1].b)};
    }
}

Palette Build() {
    Palette pal{};
    pal[PAL_BLACK] = {0, 0, 0};
    pal[PAL_SEE_THROUGH] = {255, 0, 255};
    for (int k = 0; k < RAMP_ALERT.count; ++k) pal[RAMP_ALERT.first + k] = {255, 15 * k, 15 * k};
    FillRamp(pal, RAMP_GREY, {{14, 14, 18}, {236, 236, 240}});
    FillRamp(pal, RAMP_WATER, {{8, 26, 64}, {22, 66, 128}, {48, 120, 180}, {110, 190, 222}, {214, 244, 252}});
    FillRamp(pal, RAMP_FIRE, {{64, 8, 4}, {170, 28, 8}, {240, 110, 16}, {255, 210, 70}, {255, 252, 220}});
    FillRamp(pal, RAMP_SMOKE, {{26, 22, 22}, {92, 84, 80}, {160, 150, 140}});
    FillRamp(pal, RAMP_STEEL, {{18, 24, 34}, {70, 88, 108}, {140, 160, 178}, {220, 230, 236}});
    FillRamp(pal, RAMP_OLIVE, {{22, 28, 10}, {70, 88, 36}, {130, 150, 80}, {196, 204, 140}});
    FillRamp(pal, RAMP_TAN, {{52, 32, 16}, {130, 90, 50}, {200, 160, 100}, {246, 228, 184}});
    FillRamp(pal, RAMP_GOLD, {{80, 30, 0}, {190, 100, 8}, {250, 190, 40}, {255, 250, 200}});
    FillRamp(pal, RAMP_SKY, {{6, 6, 22}, {26, 22, 70}, {70, 46, 120}, {170, 80, 130}, {250, 150, 100}});
    FillRamp(pal, RAMP_NAVY, {{4, 8, 18}, {18, 26, 48}, {44, 58, 90}});
    FillRamp(pal, RAMP_PURPLE, {{28, 10, 40}, {100, 50, 150}, {170, 120, 220}, {236, 214, 255}});
    FillRamp(pal, RAMP_BLUE, {{8, 30, 80}, {40, 100, 210}, {120, 190, 255}, {226, 242, 255}});
    FillRamp(pal, RAMP_LIME, {{20, 70, 20}, {80, 180, 60}, {200, 255, 140}});
    FillRamp(pal, RAMP_GRASS, {{24, 46, 18}, {50, 90, 30}, {92, 134, 48}, {168, 186, 98}});
    FillRamp(pal, RAMP_FOLIAGE, {{8, 28, 14}, {22, 64, 26}, {54, 112, 38}, {118, 174, 70}});
    FillRamp(pal, RAMP_MUD, {{40, 28, 16}, {92, 66, 38}, {150, 118, 74}, {206, 182, 128}});
    FillRamp(pal, RAMP_ROCK, {{48, 48, 46}, {100, 98, 92}, {164, 160, 150}});
    pal[PAL_FLOWER_YELLOW] = {236, 212, 84};
    pal[PAL_FLOWER_PINK] = {232, 150, 176};
    FillRamp(pal, RAMP_RUST, {{52, 16, 10}, {130, 50, 26}, {200, 110, 60}, {240, 180, 130}});
    FillRamp(pal, RAMP_WARM, {{22, 18, 16}, {120, 108, 96}, {238, 232, 220}});
    return pal;
}

}  // namespace

const Palette& GamePalette() {
    static const Palette pal = Build();
    return pal;
}

int NearestColour(Rgb c, int first, int last) {
    const Palette& pal = GamePalette();
    int best = first;
    long best_d = -1;
    for (int i = first; i <= last; ++i) {
        if (i == PAL_BLACK || i == PAL_SEE_THROUGH) continue;
        long dr = pal[i].r - c.r, dg = pal[i].g - c.g, db = pal[i].b - c.b;
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best_d < 0 || d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return best;
}

bool WritePaletteFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    for (const Rgb& c : GamePalette()) std::fprintf(f, "%d %d %d %d\n", c.r, c.g, c.b, 4);
    return std::fclose(f) == 0;
}

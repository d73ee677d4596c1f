// The one 256-colour palette shared by every picture, menu and the
// palette file. Colours come in named ramps so that drawing code can ask
// for "water, shade 5" instead of raw indices.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct Rgb {
    int r;
    int g;
    int b;
};

struct Ramp {
    int first;
    int count;
    int Shade(int i) const;  // clamped to the ramp
    int Last() const { return first + count - 1; }
};

// Transparent in sprites; black everywhere else.
constexpr int PAL_BLACK = 0;
// The heads-up panel's see-through colour.
constexpr int PAL_SEE_THROUGH = 1;

// Pure red to pure white in the steps the low-fuel pulse takes.
constexpr Ramp RAMP_ALERT{2, 18};
constexpr int PAL_WHITE = 19;
constexpr Ramp RAMP_GREY{20, 16};
constexpr Ramp RAMP_WATER{36, 24};
constexpr Ramp RAMP_FIRE{60, 16};
constexpr Ramp RAMP_SMOKE{76, 10};
constexpr Ramp RAMP_STEEL{86, 16};
constexpr Ramp RAMP_OLIVE{102, 12};
constexpr Ramp RAMP_TAN{114, 12};
constexpr Ramp RAMP_GOLD{126, 16};
constexpr Ramp RAMP_SKY{142, 16};
constexpr Ramp RAMP_NAVY{158, 8};
constexpr Ramp RAMP_PURPLE{166, 12};
constexpr Ramp RAMP_BLUE{178, 12};
constexpr Ramp RAMP_LIME{190, 7};
// Land and bank: the only colours the terrain may be solid in.
constexpr Ramp RAMP_GRASS{197, 12};
constexpr Ramp RAMP_FOLIAGE{209, 6};
constexpr Ramp RAMP_MUD{215, 8};
constexpr Ramp RAMP_ROCK{223, 6};
constexpr int PAL_FLOWER_YELLOW = 229;
constexpr int PAL_FLOWER_PINK = 230;
constexpr int PAL_LAND_FIRST = 197;
constexpr int PAL_LAND_LAST = 230;
constexpr Ramp RAMP_RUST{231, 10};
constexpr Ramp RAMP_WARM{241, 15};

using Palette = std::array<Rgb, 256>;

const Palette& GamePalette();
// Nearest entry to (r, g, b) among first..last, never the transparent or
// see-through index.
int NearestColour(Rgb colour, int first = 2, int last = 255);
// "r g b flags" per line, as the display reads it; flags 4 (no-collapse),
// as the bitmap loader marks the palettes it reads.
bool WritePaletteFile(const std::string& path);

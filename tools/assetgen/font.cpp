#include "tools/assetgen/font.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

constexpr const char* kUnifont = "/usr/share/unifont/unifont.hex";

using Glyph = std::array<uint8_t, 16>;

const std::map<int, Glyph>& Glyphs() {
    static const std::map<int, Glyph> glyphs = [] {
        std::map<int, Glyph> out;
        FILE* f = std::fopen(kUnifont, "r");
        if (!f) {
            std::fprintf(stderr, "assetgen: %s is missing (install the unifont package)\n", kUnifont);
            std::exit(1);
        }
        char line[160];
        while (std::fgets(line, sizeof line, f)) {
            unsigned code = 0;
            char hex[80] = {};
            if (std::sscanf(line, "%x:%79s", &code, hex) != 2 || code < 32 || code > 126) continue;
            if (std::strlen(hex) != 32) continue;  // only the 8-pixel-wide glyphs
            Glyph g{};
            for (int row = 0; row < 16; ++row) {
                char byte[3] = {hex[row * 2], hex[row * 2 + 1], 0};
                g[size_t(row)] = uint8_t(std::strtoul(byte, nullptr, 16));
            }
            out[int(code)] = g;
        }
        std::fclose(f);
        return out;
    }();
    return glyphs;
}

// The glyph's mask as a canvas of 8 x 16 (1 = ink), bold or not.
Canvas GlyphMask(char ch, bool bold) {
    Canvas m = MakeCanvas(8, 16);
    auto it = Glyphs().find(int(static_cast<unsigned char>(ch)));
    if (it == Glyphs().end()) return m;
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 8; ++col) {
            int bits = it->second[size_t(row)];
            bool ink = (bits >> (7 - col)) & 1;
            if (bold && col > 0) ink = ink || ((bits >> (8 - col)) & 1);
            if (ink) SetPixel(m, col, row, 1);
        }
    return m;
}

}  // namespace

int TextWidth(const std::string& text, const TextStyle& style) { return int(text.size()) * 8 * style.scale; }

void DrawString(Canvas& c, int x, int y, const std::string& text, const TextStyle& style) {
    for (int pass = style.shadow >= 0 ? 0 : 1; pass < 2; ++pass) {
        int colour = pass == 0 ? style.shadow : style.colour;
        int off = pass == 0 ? style.scale : 0;
        for (size_t i = 0; i < text.size(); ++i) {
            Canvas g = GlyphMask(text[i], style.bold);
            int gx = x + int(i) * 8 * style.scale;
            for (int row = 0; row < 16; ++row)
                for (int col = 0; col < 8; ++col)
                    if (GetPixel(g, col, row))
                        FillRect(c, gx + col * style.scale + off, y + row * style.scale + off, style.scale,
                                 style.scale, colour);
        }
    }
}

void DrawCentred(Canvas& c, int centre_x, int y, const std::string& text, const TextStyle& style) {
    DrawString(c, centre_x - TextWidth(text, style) / 2, y, text, style);
}

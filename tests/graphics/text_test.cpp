// Text: glyphs of the built-in font, eight pixels apart, in the palette
// colour nearest to the one asked for.
#include "graphics/text_log.h"
#include "graphics_fixture.h"
#include "platform/font.h"

namespace {

using TextTest = GraphicsTest;

// Compares the 8 x 16 cell at (x, y) with the glyph of c in the colour on
// a background of 3.
void ExpectGlyph(char c, int x, int y, int index)
{
    const unsigned char* glyph = PlatformGlyph(c);
    ASSERT_NE(glyph, nullptr);
    for (int row = 0; row < FONT_HEIGHT; ++row) {
        for (int col = 0; col < FONT_WIDTH; ++col) {
            const bool set = glyph[row] & (0x80 >> col);
            ASSERT_EQ(GraphicsTest::BackPixel(x + col, y + row), set ? index : 3) << c << " " << col << "," << row;
        }
    }
}

}  // namespace

TEST_F(TextTest, GlyphsAreEightPixelsApartInTheNearestColourOfThePaletteNow)
{
    PaletteEntry entries[PALETTE_SIZE] = {};
    entries[10] = PaletteEntry{250, 250, 250, 0};
    entries[11] = PaletteEntry{255, 0, 0, 0};
    entries[12] = PaletteEntry{255, 255, 255, 0};
    entries[13] = PaletteEntry{255, 255, 255, 0};
    SetPalette(entries);
    FillSurface(back_surface, 3, nullptr);
    ASSERT_EQ(DrawText("A\t1", 100, 50, 0xFFFFFF, back_surface), 1);
    ExpectGlyph('A', 100, 50, 12);
    // A character without a glyph keeps its place.
    ExpectGlyph('1', 116, 50, 12);
    ASSERT_EQ(DrawText("%", 0, 0, 0x0000FF, back_surface), 1) << "0x00BBGGRR: pure red";
    ExpectGlyph('%', 0, 0, 11);
    ASSERT_EQ(DrawText("g", 20, 0, 0xF0F0F0, back_surface), 1);
    ExpectGlyph('g', 20, 0, 10);
    entries[200] = entries[12];
    entries[12] = entries[13] = PaletteEntry{};
    SetPalette(entries);
    ASSERT_EQ(DrawText("I", 300, 300, 0xFFFFFF, back_surface), 1);
    ExpectGlyph('I', 300, 300, 200);
}

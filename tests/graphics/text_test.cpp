// Text: the nearest palette colour, glyph placement from the built-in font,
// transparency between the glyphs, and the silent log.
#include <cstdio>
#include <string>

#include "graphics/text_log.h"
#include "graphics_fixture.h"
#include "platform/font.h"

namespace {

class TextTest : public GraphicsTest {
protected:
    void SetUp() override
    {
        GraphicsTest::SetUp();
        PaletteEntry entries[PALETTE_SIZE] = {};
        entries[10] = PaletteEntry{250, 250, 250, 0};
        entries[11] = PaletteEntry{255, 0, 0, 0};
        entries[12] = PaletteEntry{255, 255, 255, 0};
        entries[13] = PaletteEntry{255, 255, 255, 0};
        SetPalette(entries);
        FillSurface(back_surface, 3, nullptr);
    }

    // Compares the 8 x 16 cell at (x, y) with the glyph of c in the colour.
    static void ExpectGlyph(char c, int x, int y, int index)
    {
        const unsigned char* glyph = PlatformGlyph(c);
        ASSERT_NE(glyph, nullptr);
        for (int row = 0; row < FONT_HEIGHT; ++row) {
            for (int col = 0; col < FONT_WIDTH; ++col) {
                const bool set = glyph[row] & (0x80 >> col);
                ASSERT_EQ(BackPixel(x + col, y + row), set ? index : 3)
                    << c << " at " << col << "," << row;
            }
        }
    }
};

}  // namespace

TEST_F(TextTest, GlyphsAreEightPixelsApartInTheNearestColour)
{
    ASSERT_EQ(DrawText("A1", 100, 50, 0xFFFFFF, back_surface), 1);
    ExpectGlyph('A', 100, 50, 12);
    ExpectGlyph('1', 108, 50, 12);
    EXPECT_EQ(BackPixel(116, 58), 3);

    ASSERT_EQ(DrawText("%", 0, 0, 0x0000FF, back_surface), 1) << "0x00BBGGRR: pure red";
    ExpectGlyph('%', 0, 0, 11);
    ASSERT_EQ(DrawText("g", 20, 0, 0xF0F0F0, back_surface), 1);
    ExpectGlyph('g', 20, 0, 10);
}

TEST_F(TextTest, TheFontHasVisibleGlyphsForPrintableAsciiOnly)
{
    int blank = 0;
    for (int c = FONT_FIRST_CHAR; c <= FONT_LAST_CHAR; ++c) {
        const unsigned char* glyph = PlatformGlyph(static_cast<char>(c));
        ASSERT_NE(glyph, nullptr) << c;
        int bits = 0;
        for (int row = 0; row < FONT_HEIGHT; ++row) bits += glyph[row] != 0;
        blank += bits == 0;
    }
    EXPECT_EQ(blank, 1) << "only the space is empty";
    EXPECT_EQ(PlatformGlyph('\n'), nullptr);
    EXPECT_EQ(PlatformGlyph(static_cast<char>(0xE9)), nullptr);
    // A character without a glyph keeps its place.
    ASSERT_EQ(DrawText("\tB", 200, 100, 0xFFFFFF, back_surface), 1);
    ExpectGlyph('B', 208, 100, 12);
}

TEST_F(TextTest, TheNearestColourFollowsThePaletteInstalledNow)
{
    PaletteEntry entries[PALETTE_SIZE] = {};
    entries[200] = PaletteEntry{255, 255, 255, 0};
    SetPalette(entries);
    ASSERT_EQ(DrawText("I", 300, 300, 0xFFFFFF, back_surface), 1);
    ExpectGlyph('I', 300, 300, 200);
}

TEST_F(TextTest, TextIsCutAtTheSurfaceEdgesAndRefusedWhileLocked)
{
    ASSERT_EQ(DrawText("WWWW", 620, 470, 0xFFFFFF, back_surface), 1);
    ASSERT_EQ(DrawText("WWWW", -20, -10, 0xFFFFFF, back_surface), 1);
    EXPECT_EQ(DrawText("A", 0, 0, 0xFFFFFF, nullptr), 0);
    EXPECT_EQ(DrawText(nullptr, 0, 0, 0xFFFFFF, back_surface), 0);
    FillSurface(back_surface, 3, nullptr);
    LockBackSurface();
    EXPECT_EQ(DrawText("A", 100, 100, 0xFFFFFF, back_surface), 0);
    UnlockBackSurface();
    EXPECT_EQ(BackPixel(103, 106), 3);
    int drawn = 0;
    for (int y = 95; y < 120; ++y) {
        for (int x = 95; x < 115; ++x) drawn += BackPixel(x, y) != 3;
    }
    EXPECT_EQ(drawn, 0);
}

TEST(LogMessage, WritesNothingWithoutAStreamAndOneCutLineWithOne)
{
    EXPECT_EQ(log_file, nullptr);
    EXPECT_EQ(LogMessage("\npixel format = %d", 8), 0);
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    log_file = stream;
    EXPECT_EQ(LogMessage(nullptr), 0);
    EXPECT_EQ(LogMessage("\npixel format = %d", 8), 1);
    EXPECT_EQ(LogMessage("%s", std::string(200, 'x').c_str()), 1);
    std::rewind(stream);
    char text[512] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, stream);
    EXPECT_EQ(std::string(text, length), "\npixel format = 8" + std::string(79, 'x'));
    log_file = nullptr;
    std::fclose(stream);
}

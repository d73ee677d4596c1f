// The display: palette file, locks, presentation, and what the screen shows
// at once (palette changes, fills of the visible surface).
#include <cstdio>

#include "graphics/sprite.h"
#include "graphics_fixture.h"
#include "platform/headless/headless_video.h"
#include "platform/surface.h"

namespace {

class DisplayTest : public GraphicsTest {
protected:
    DisplayTest() { start_display_ = false; }
};

void WritePaletteFile(const char* text)
{
    std::FILE* file = std::fopen("PALDATA2.PAL", "w");
    ASSERT_NE(file, nullptr);
    std::fputs(text, file);
    std::fclose(file);
}

}  // namespace

TEST_F(DisplayTest, StartsWithTheScreenSizeAndABlackPaletteWithoutAFile)
{
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(screen_bpp, 8);
    EXPECT_EQ(pixel_format, 8);
    EXPECT_EQ(clip_max_x, 639);
    EXPECT_EQ(clip_max_y, 479);
    ASSERT_NE(primary_surface, nullptr);
    ASSERT_NE(back_surface, nullptr);
    ASSERT_NE(back_clipper, nullptr);
    EXPECT_EQ(back_clipper->bound.right, 640);
    EXPECT_EQ(back_clipper->bound.bottom, 480);
    PaletteEntry entries[PALETTE_SIZE];
    GetPalette(entries);
    for (const PaletteEntry& e : entries) {
        ASSERT_EQ(e.red | e.green | e.blue | e.flags, 0);
    }
    EXPECT_EQ(StartDisplay(640, 480, 16, 0), 0) << "surfaces are 8-bit only";
}

TEST_F(DisplayTest, PaletteFileFillsTheEntriesItHas)
{
    WritePaletteFile("1 2 3 4\n255 254 253 0\n  7\n8 9\n10\n");
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(palette[0].red, 1);
    EXPECT_EQ(palette[0].flags, 4);
    EXPECT_EQ(palette[1].blue, 253);
    EXPECT_EQ(palette[2].red, 7);
    EXPECT_EQ(palette[2].green, 8);
    EXPECT_EQ(palette[2].flags, 10);
    EXPECT_EQ(palette[3].red, 0) << "past the end of the file entries stay black";
    const HeadlessFrame* frame = HeadlessLastFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->palette[1].green, 254) << "the file's palette is installed";

    PaletteEntry entries[PALETTE_SIZE] = {};
    EXPECT_EQ(LoadPaletteFile("missing.pal", entries), 0);
    WritePaletteFile("5 6 x 8\n");
    entries[1].red = 99;
    EXPECT_EQ(LoadPaletteFile("PALDATA2.PAL", entries), 1);
    EXPECT_EQ(entries[0].green, 6);
    EXPECT_EQ(entries[0].blue, 0) << "a value that is not a number is not stored";
    EXPECT_EQ(entries[1].red, 99);
}

TEST_F(DisplayTest, WindowedModeMarksTheSystemColoursExplicit)
{
    ASSERT_EQ(StartDisplay(320, 200, 8, 1), 1);
    EXPECT_EQ(windowed, 1);
    EXPECT_EQ(palette[9].flags, PC_EXPLICIT);
    EXPECT_EQ(palette[10].flags, 0);
    EXPECT_EQ(palette[245].flags, 0);
    EXPECT_EQ(palette[246].flags, PC_EXPLICIT);
    EXPECT_EQ(clip_max_x, 319);
}

TEST_F(DisplayTest, LockingIsIdempotentAndPresentingWaitsForTheUnlock)
{
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(UnlockBackSurface(), 0);
    unsigned char* first = LockBackSurface();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(back_buffer, first);
    EXPECT_GE(back_pitch, 640);
    EXPECT_EQ(LockBackSurface(), first);
    const int shown = HeadlessShownCount();
    EXPECT_EQ(PresentFrame(), 0);
    EXPECT_EQ(HeadlessShownCount(), shown);
    first[5 * back_pitch + 7] = 42;
    EXPECT_EQ(UnlockBackSurface(), 1);
    EXPECT_EQ(back_buffer, nullptr);
    EXPECT_EQ(back_pitch, 0);
    EXPECT_EQ(UnlockBackSurface(), 0);
    EXPECT_EQ(PresentFrame(), 1);
    const HeadlessFrame* frame = HeadlessLastFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->pixels[5 * 640 + 7], 42);
}

TEST_F(DisplayTest, PaletteChangesAndFillsOfTheVisibleSurfaceShowAtOnce)
{
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    FillSurface(back_surface, 3, nullptr);
    PresentFrame();
    PaletteEntry entries[PALETTE_SIZE] = {};
    entries[3] = PaletteEntry{200, 100, 50, 0};
    int shown = HeadlessShownCount();
    SetPalette(entries);
    EXPECT_EQ(HeadlessShownCount(), shown + 1);
    PlatformColour colour = HeadlessFrameColour(HeadlessLastFrame(), 320, 240);
    EXPECT_EQ(colour.red, 200);
    EXPECT_EQ(colour.blue, 50);

    shown = HeadlessShownCount();
    const DisplayRect part{0, 0, 10, 10};
    FillSurface(primary_surface, 0, &part);
    EXPECT_EQ(HeadlessShownCount(), shown + 1);
    EXPECT_EQ(HeadlessLastFrame()->pixels[0], 0);
    EXPECT_EQ(HeadlessLastFrame()->pixels[10], 3);
    FillSurface(back_surface, 0, nullptr);
    EXPECT_EQ(HeadlessShownCount(), shown + 1) << "the back surface is not on screen";
}

TEST_F(DisplayTest, SurfacesAreReleasedOnceWhetherOneByOneOrAtTheStop)
{
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    PlatformSurface* a = CreateOffscreenSurface(16, 8, DDSCAPS_SYSTEMMEMORY, 0x1FF01);
    PlatformSurface* b = CreateOffscreenSurface(16, 8, 0, 0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->colour_key, 0xFF01) << "the key's low 16 bits";
    EXPECT_EQ(CreateOffscreenSurface(0, 8, 0, 0), nullptr);
    EXPECT_EQ(ReleaseSurface(a), 1);
    EXPECT_EQ(ReleaseSurface(a), 0);
    EXPECT_EQ(ReleaseSurface(primary_surface), 0) << "the screen's surfaces go with the display";
    // b is left for StopDisplay; the leak checker would report it otherwise.
    EXPECT_EQ(StopDisplay(), 1);
    EXPECT_EQ(primary_surface, nullptr);
    EXPECT_EQ(ReleaseSurface(b), 0);
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1) << "the display can start again";
}

TEST_F(DisplayTest, ClipperBoundHoldsAllItsRectangles)
{
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    const DisplayRect rects[] = {{10, 20, 30, 40}, {-5, 25, 15, 100}, {50, 0, 60, 10}};
    Clipper* clipper = AttachClipper(back_surface, 3, rects);
    ASSERT_NE(clipper, nullptr);
    EXPECT_EQ(clipper->bound.left, -5);
    EXPECT_EQ(clipper->bound.top, 0);
    EXPECT_EQ(clipper->bound.right, 60);
    EXPECT_EQ(clipper->bound.bottom, 100);
    EXPECT_EQ(AttachClipper(back_surface, 0, rects), nullptr);
    EXPECT_EQ(AttachClipper(nullptr, 1, rects), nullptr);
}

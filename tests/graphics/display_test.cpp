// The display's start with its palette file, presenting, and keyed blits,
// stretched and clipped to the screen.
#include "graphics_fixture.h"
#include "platform/headless/headless_video.h"
#include "platform/surface.h"

namespace {

using DisplayTest = GraphicsTest;

// A 4 x 4 source: pixel (x, y) is 10 * y + x + 1, with (1, 1) the key 0.
class BlitTest : public GraphicsTest {
protected:
    void SetUp() override
    {
        GraphicsTest::SetUp();
        source_ = CreateOffscreenSurface(4, 4, 0, 0);
        ASSERT_NE(source_, nullptr);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) source_->pixels[y * source_->pitch + x] = uint8_t(10 * y + x + 1);
        }
        source_->pixels[source_->pitch + 1] = 0;
        FillSurface(back_surface, 200, nullptr);
    }

    int Blit(int left, int top, int width, int height)
    {
        const DisplayRect dest{left, top, left + width, top + height};
        const DisplayRect whole{0, 0, 4, 4};
        return BlitSurface(back_surface, &dest, source_, &whole);
    }

    // The count of back-surface pixels that are no longer 200.
    static int Drawn()
    {
        int count = 0;
        LockBackSurface();
        for (int i = 0; i < 480 * back_pitch; ++i) count += i % back_pitch < 640 && back_buffer[i] != 200;
        UnlockBackSurface();
        return count;
    }

    PlatformSurface* source_ = nullptr;
};

}  // namespace

TEST_F(DisplayTest, StartsBlackWithoutAPaletteFileAndFillsTheEntriesAFileHas)
{
    StopDisplay();
    EXPECT_EQ(StartDisplay(640, 480, 16, 0), 0) << "surfaces are 8-bit only";
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(palette[7].red | palette[7].green | palette[7].blue | palette[7].flags, 0);
    StopDisplay();

    const std::string text = "1 2 3 4\n255 254 253 0\n  7\n8 9\n10\n5 6 x 8\n";
    WriteBytes("PALDATA2.PAL", std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    // Entry 3 stops at the x, which is not stored; entries past the file stay black.
    const uint8_t expected[5][4] = {{1, 2, 3, 4}, {255, 254, 253, 0}, {7, 8, 9, 10}, {5, 6, 0, 0}, {0, 0, 0, 0}};
    for (int i = 0; i < 5; ++i) {
        const PaletteEntry& e = palette[i];
        EXPECT_EQ((std::vector<int>{e.red, e.green, e.blue, e.flags}), std::vector<int>(expected[i], expected[i] + 4)) << i;
    }
    EXPECT_EQ(HeadlessLastFrame()->palette[1].blue, 253) << "the file's palette is installed";
    LockBackSurface();
    EXPECT_EQ(PresentFrame(), 0) << "not while the back surface is locked";
    UnlockBackSurface();
}

TEST_F(BlitTest, BlitsSkipTheKeyAndAreStretchedAndClippedAtEveryEdge)
{
    struct Case {
        int left, top, size, x, y, value, drawn;
    };
    const Case cases[] = {
        {100, 50, 4, 101, 51, 200, 15}, {-2, 10, 4, 0, 10, 3, 8},     {638, 20, 4, 639, 20, 2, 7},
        {30, -3, 4, 30, 0, 31, 4},      {40, 477, 4, 40, 479, 21, 11}, {640, 480, 4, 639, 479, 200, 0},
        {-100000, 100000, 4, 0, 479, 200, 0},
        // Stretched: the nearest source pixel, the key doubled too; halved:
        // the centres of the source's 2 x 2 blocks.
        {10, 10, 8, 12, 12, 200, 60},   {-4, 100, 8, 3, 100, 4, 32},  {636, 200, 8, 639, 200, 2, 28},
        {0, 0, 2, 0, 0, 200, 3},        {0, 0, 2, 1, 1, 34, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << "," << c.top << " size " << c.size);
        FillSurface(back_surface, 200, nullptr);
        ASSERT_EQ(Blit(c.left, c.top, c.size, c.size), 1);
        EXPECT_EQ(BackPixel(c.x, c.y), c.value);
        EXPECT_EQ(Drawn(), c.drawn);
    }
}

TEST_F(BlitTest, BadBlitsAreRefused)
{
    const DisplayRect whole{0, 0, 4, 4};
    const DisplayRect outside{2, 2, 6, 6};
    EXPECT_EQ(BlitSurface(back_surface, &whole, source_, &outside), 0);
    LockBackSurface();
    EXPECT_EQ(BlitSurface(back_surface, &whole, source_, &whole), 0);
    UnlockBackSurface();
    EXPECT_EQ(Drawn(), 0);
}

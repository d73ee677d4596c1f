// Colour-keyed blits, same size and stretched, clipped at every edge of the
// destination's clip list.
#include "graphics_fixture.h"
#include "platform/surface.h"

namespace {

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
        source_->pixels[1 * source_->pitch + 1] = 0;
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
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) count += back_buffer[y * back_pitch + x] != 200;
        }
        UnlockBackSurface();
        return count;
    }

    PlatformSurface* source_ = nullptr;
};

}  // namespace

TEST_F(BlitTest, KeyedBlitSkipsTheKeyColour)
{
    ASSERT_EQ(Blit(100, 50, 4, 4), 1);
    EXPECT_EQ(BackPixel(100, 50), 1);
    EXPECT_EQ(BackPixel(103, 53), 34);
    EXPECT_EQ(BackPixel(101, 51), 200) << "the key is not drawn";
    EXPECT_EQ(Drawn(), 15);

    PlatformSetColourKey(source_, 34);
    FillSurface(back_surface, 200, nullptr);
    ASSERT_EQ(Blit(0, 0, 4, 4), 1);
    EXPECT_EQ(BackPixel(1, 1), 0) << "with key 34, index 0 is drawn";
    EXPECT_EQ(BackPixel(3, 3), 200);
}

TEST_F(BlitTest, KeyedBlitIsClippedAtEveryEdge)
{
    ASSERT_EQ(Blit(-2, 10, 4, 4), 1);
    EXPECT_EQ(BackPixel(0, 10), 3) << "columns 2 and 3 remain at the left edge";
    ASSERT_EQ(Blit(638, 20, 4, 4), 1);
    EXPECT_EQ(BackPixel(639, 20), 2);
    ASSERT_EQ(Blit(30, -3, 4, 4), 1);
    EXPECT_EQ(BackPixel(30, 0), 31);
    ASSERT_EQ(Blit(40, 477, 4, 4), 1);
    EXPECT_EQ(BackPixel(40, 479), 21);
    EXPECT_EQ(Drawn(), 8 + 7 + 4 + 11);
    ASSERT_EQ(Blit(-4, 0, 4, 4), 1) << "wholly off screen is drawn as nothing";
    ASSERT_EQ(Blit(640, 480, 4, 4), 1);
    ASSERT_EQ(Blit(-100000, 100000, 4, 4), 1);
    EXPECT_EQ(Drawn(), 8 + 7 + 4 + 11);
}

TEST_F(BlitTest, ClipListOfSeveralRectanglesDrawsOnlyInsideThem)
{
    const DisplayRect rects[] = {{0, 0, 101, 480}, {103, 0, 640, 480}};
    ASSERT_NE(AttachClipper(back_surface, 2, rects), nullptr);
    ASSERT_EQ(Blit(100, 0, 4, 4), 1);
    EXPECT_EQ(BackPixel(100, 0), 1);
    EXPECT_EQ(BackPixel(101, 0), 200);
    EXPECT_EQ(BackPixel(102, 0), 200);
    EXPECT_EQ(BackPixel(103, 0), 4);
}

TEST_F(BlitTest, StretchedBlitTakesTheNearestSourcePixel)
{
    ASSERT_EQ(Blit(10, 10, 8, 8), 1);
    EXPECT_EQ(BackPixel(10, 10), 1);
    EXPECT_EQ(BackPixel(11, 11), 1);
    EXPECT_EQ(BackPixel(12, 12), 200) << "the key doubled";
    EXPECT_EQ(BackPixel(13, 13), 200);
    EXPECT_EQ(BackPixel(17, 17), 34);
    EXPECT_EQ(BackPixel(16, 10), 4);
    EXPECT_EQ(Drawn(), 64 - 4);

    FillSurface(back_surface, 200, nullptr);
    ASSERT_EQ(Blit(0, 0, 2, 2), 1);
    EXPECT_EQ(BackPixel(0, 0), 200) << "halving samples the centres (1, 1): the key";
    EXPECT_EQ(BackPixel(1, 0), 14);
    EXPECT_EQ(BackPixel(1, 1), 34);
}

TEST_F(BlitTest, StretchedBlitIsClippedAtEveryEdgeWithoutShiftingTheImage)
{
    ASSERT_EQ(Blit(-4, 100, 8, 8), 1);
    EXPECT_EQ(BackPixel(0, 100), 3);
    EXPECT_EQ(BackPixel(3, 100), 4);
    ASSERT_EQ(Blit(636, 200, 8, 8), 1);
    EXPECT_EQ(BackPixel(636, 200), 1);
    EXPECT_EQ(BackPixel(639, 200), 2);
    ASSERT_EQ(Blit(300, -6, 8, 8), 1);
    EXPECT_EQ(BackPixel(300, 0), 31);
    EXPECT_EQ(BackPixel(300, 1), 31);
    ASSERT_EQ(Blit(400, 478, 8, 8), 1);
    EXPECT_EQ(BackPixel(400, 478), 1);
    EXPECT_EQ(BackPixel(400, 479), 1);
    ASSERT_EQ(Blit(700, 0, 8, 8), 1);
}

TEST_F(BlitTest, BadSourcesAndLockedSurfacesAreRefused)
{
    const DisplayRect dest{0, 0, 4, 4};
    const DisplayRect outside{2, 2, 6, 6};
    EXPECT_EQ(BlitSurface(back_surface, &dest, source_, &outside), 0);
    const DisplayRect empty{2, 2, 2, 4};
    EXPECT_EQ(BlitSurface(back_surface, &dest, source_, &empty), 0);
    EXPECT_EQ(BlitSurface(back_surface, &dest, nullptr, nullptr), 0);
    const DisplayRect inverted{4, 4, 0, 0};
    const DisplayRect whole{0, 0, 4, 4};
    EXPECT_EQ(BlitSurface(back_surface, &inverted, source_, &whole), 0);
    LockBackSurface();
    EXPECT_EQ(BlitSurface(back_surface, &dest, source_, &whole), 0);
    UnlockBackSurface();
    EXPECT_EQ(Drawn(), 0);
}

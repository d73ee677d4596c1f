// Static pictures: the cell rule, refusals of cells outside the picture,
// and opaque and transparent drawing into the back buffer.
#include "graphics_fixture.h"

namespace {

class BitmapImageTest : public GraphicsTest {
protected:
    void TearDown() override
    {
        DestroyBitmapImage(&image_);
        GraphicsTest::TearDown();
    }

    // A 300 x 60 sheet whose pixel (x, y) is (x + 7 * y) mod 256.
    static void LoadSheet()
    {
        BmpLayout layout;
        layout.width = 300;
        layout.height = 60;
        layout.pixel = [](int x, int y) { return uint32_t((x + 7 * y) % 256); };
        WriteBmp("sheet.bmp", layout);
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "sheet.bmp"), 1);
    }

    BitmapImage image_ = {};
};

}  // namespace

TEST_F(BitmapImageTest, CellCoordinatesSkipTheOnePixelBorders)
{
    LoadSheet();
    ASSERT_EQ(CreateBitmapImage(&image_, 0, 0, 40, 48, 8), 1);
    EXPECT_EQ(image_.byte_count, 40 * 48);
    ASSERT_EQ(LoadBitmapImage(&image_, &bitmap_file, 2, 0, CELL_COORDS), 1);
    EXPECT_TRUE(image_.attr & IMAGE_LOADED);
    // Cell (2, 0) of 40 x 48 cells starts at pixel (83, 1).
    EXPECT_EQ(image_.buffer[0], (83 + 7 * 1) % 256);
    EXPECT_EQ(image_.buffer[47 * 40 + 39], (83 + 39 + 7 * 48) % 256);

    ASSERT_EQ(LoadBitmapImage(&image_, &bitmap_file, 5, 3, PIXEL_COORDS), 1);
    EXPECT_EQ(image_.buffer[0], (5 + 7 * 3) % 256);
}

TEST_F(BitmapImageTest, CellsOutsideThePictureOrWithoutPictureAreRefused)
{
    ASSERT_EQ(CreateBitmapImage(&image_, 0, 0, 40, 48, 8), 1);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 0, CELL_COORDS), 0) << "nothing loaded";
    LoadSheet();
    // 300 wide: cells 0 to 6 fit (6 * 41 + 1 + 40 = 287), cell 7 does not.
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 6, 0, CELL_COORDS), 1);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 7, 0, CELL_COORDS), 0);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 1, CELL_COORDS), 0) << "60 rows hold one";
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 260, 12, PIXEL_COORDS), 1);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 261, 0, PIXEL_COORDS), 0);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 13, PIXEL_COORDS), 0);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, -1, 0, PIXEL_COORDS), 0);
    EXPECT_EQ(LoadBitmapImage(nullptr, &bitmap_file, 0, 0, PIXEL_COORDS), 0);

    BmpLayout sixteen;
    sixteen.depth = 16;
    sixteen.width = 100;
    sixteen.height = 100;
    WriteBmp("deep.bmp", sixteen);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "deep.bmp"), 1);
    EXPECT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 0, PIXEL_COORDS), 0)
        << "a 16-bit file cannot be copied byte for byte";
}

TEST_F(BitmapImageTest, DrawingIsOpaqueOrSkipsIndexZero)
{
    ASSERT_EQ(CreateBitmapImage(&image_, 10, 20, 3, 2, 8), 1);
    LockBackSurface();
    EXPECT_EQ(DrawBitmapImage(&image_, back_buffer, back_pitch, 0), 0) << "not loaded yet";
    UnlockBackSurface();
    BmpLayout layout;
    layout.width = 3;
    layout.pixel = [](int x, int y) { return x == 1 ? 0u : uint32_t(50 + x + 10 * y); };
    WriteBmp("small.bmp", layout);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "small.bmp"), 1);
    ASSERT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 0, PIXEL_COORDS), 1);

    FillSurface(back_surface, 9, nullptr);
    LockBackSurface();
    EXPECT_EQ(DrawBitmapImage(&image_, back_buffer, back_pitch, 1), 1);
    UnlockBackSurface();
    EXPECT_EQ(BackPixel(10, 20), 50);
    EXPECT_EQ(BackPixel(11, 20), 9) << "index 0 leaves the destination";
    EXPECT_EQ(BackPixel(12, 21), 62);
    EXPECT_EQ(BackPixel(13, 21), 9);

    LockBackSurface();
    EXPECT_EQ(DrawBitmapImage(&image_, back_buffer, back_pitch, 0), 1);
    UnlockBackSurface();
    EXPECT_EQ(BackPixel(11, 20), 0) << "opaque copies index 0 too";
    EXPECT_EQ(BackPixel(9, 20), 9);
}

TEST_F(BitmapImageTest, ImagesPartlyOffTheScreenAreCutToIt)
{
    ASSERT_EQ(CreateBitmapImage(&image_, 638, 478, 4, 4, 8), 1);
    BmpLayout layout;
    layout.height = 4;
    layout.pixel = [](int, int) { return 33u; };
    WriteBmp("small.bmp", layout);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "small.bmp"), 1);
    ASSERT_EQ(LoadBitmapImage(&image_, &bitmap_file, 0, 0, PIXEL_COORDS), 1);
    LockBackSurface();
    EXPECT_EQ(DrawBitmapImage(&image_, back_buffer, back_pitch, 0), 1);
    image_.x = -2;
    image_.y = -3;
    EXPECT_EQ(DrawBitmapImage(&image_, back_buffer, back_pitch, 0), 1);
    UnlockBackSurface();
    EXPECT_EQ(BackPixel(639, 479), 33);
    EXPECT_EQ(BackPixel(1, 0), 33);
    EXPECT_EQ(BackPixel(2, 0), 0);
    EXPECT_EQ(BackPixel(0, 1), 0);
}

TEST_F(BitmapImageTest, DestroyClearsTheRecordOnceAndBadSizesAreRefused)
{
    EXPECT_EQ(DestroyBitmapImage(&image_), 0) << "never created";
    ASSERT_EQ(CreateBitmapImage(&image_, 1, 2, 3, 4, 8), 1);
    EXPECT_EQ(image_.state, 1);
    EXPECT_EQ(image_.buffer[11], 0);
    EXPECT_EQ(DestroyBitmapImage(&image_), 1);
    EXPECT_EQ(image_.state, 0);
    EXPECT_EQ(image_.width, 0);
    EXPECT_EQ(image_.buffer, nullptr);
    EXPECT_EQ(DestroyBitmapImage(&image_), 0);
    EXPECT_EQ(CreateBitmapImage(&image_, 0, 0, -5, 4, 8), 0);
    EXPECT_EQ(CreateBitmapImage(&image_, 0, 0, 5, 4, 4), 0);
    EXPECT_EQ(image_.buffer, nullptr);
}

// Loading BMP files: palette, row order, padding, offsets, depths, and the
// files that must be refused without reading outside any buffer.
#include <cstring>

#include "graphics_fixture.h"

namespace {

using BitmapFileTest = GraphicsTest;

int Pixel8(int x, int y)
{
    return bitmap_file.buffer[y * bitmap_file.info_header.biWidth + x];
}

int Pixel16(int x, int y)
{
    const unsigned char* p = bitmap_file.buffer + 2 * (y * bitmap_file.info_header.biWidth + x);
    return p[0] | p[1] << 8;
}

// Loads a first, good file so that a refusal can be seen to keep it.
void LoadKeeper()
{
    BmpLayout keeper;
    keeper.pixel = [](int, int) { return 77u; };
    WriteBmp("keeper.bmp", keeper);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "keeper.bmp"), 1);
}

void ExpectRefusedAndKept(const std::vector<uint8_t>& bytes, const char* why)
{
    LoadKeeper();
    const unsigned char* kept = bitmap_file.buffer;
    const BitmapInfoHeader info = bitmap_file.info_header;
    WriteBytes("bad.bmp", bytes);
    EXPECT_EQ(LoadBitmapFile(&bitmap_file, "bad.bmp"), 0) << why;
    EXPECT_EQ(bitmap_file.buffer, kept) << why;
    EXPECT_EQ(bitmap_file.info_header.biWidth, info.biWidth) << why;
    EXPECT_EQ(bitmap_file.info_header.biHeight, info.biHeight) << why;
    EXPECT_EQ(Pixel8(0, 0), 77) << why;
}

}  // namespace

TEST_F(BitmapFileTest, PaletteIsConvertedToRedGreenBlueWithNoCollapseFlag)
{
    WriteBmp("a.bmp", BmpLayout{});
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
    for (int i : {0, 10, 128, 255}) {
        EXPECT_EQ(bitmap_file.palette[i].red, i / 2);
        EXPECT_EQ(bitmap_file.palette[i].green, 255 - i);
        EXPECT_EQ(bitmap_file.palette[i].blue, i);
        EXPECT_EQ(bitmap_file.palette[i].flags, PC_NOCOLLAPSE);
    }
}

TEST_F(BitmapFileTest, RowsComeOutTopDownWhateverTheStoredOrder)
{
    for (bool top_down : {false, true}) {
        BmpLayout layout;
        layout.width = 8;
        layout.height = 5;
        layout.top_down = top_down;
        WriteBmp("a.bmp", layout);
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
        EXPECT_EQ(bitmap_file.info_header.biHeight, 5) << "top-down " << top_down;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 8; ++x) ASSERT_EQ(Pixel8(x, y), y * 16 + x) << x << "," << y;
        }
    }
}

TEST_F(BitmapFileTest, RowPaddingIsSkippedAndNotTakenForPixels)
{
    for (int width : {1, 2, 3, 5, 7}) {
        BmpLayout layout;
        layout.width = width;
        layout.height = 3;
        WriteBmp("a.bmp", layout);
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1) << width;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) ASSERT_EQ(Pixel8(x, y), y * 16 + x) << width;
        }
    }
}

TEST_F(BitmapFileTest, PixelsAreTakenFromTheDataOffsetAndSizeZeroIsAccepted)
{
    BmpLayout layout;
    layout.gap = 37;
    layout.size_image_zero = true;
    layout.colours_used = 16;
    layout.pixel = [](int x, int y) { return uint32_t(y * 4 + x); };
    WriteBmp("a.bmp", layout);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
    EXPECT_EQ(Pixel8(0, 0), 0);
    EXPECT_EQ(Pixel8(3, 1), 7);
    EXPECT_EQ(bitmap_file.palette[15].blue, 15);
    EXPECT_EQ(bitmap_file.palette[16].blue, 0) << "entries past a short palette are black";
}

TEST_F(BitmapFileTest, SixteenBitPixelsAreKeptAndTwentyFourBitPixelsArePacked)
{
    BmpLayout layout;
    layout.depth = 16;
    layout.width = 3;
    layout.pixel = [](int x, int y) { return uint32_t(0x1234 + 0x100 * y + x); };
    WriteBmp("a.bmp", layout);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
    EXPECT_EQ(bitmap_file.info_header.biBitCount, 16);
    EXPECT_EQ(Pixel16(2, 1), 0x1336);

    layout.depth = 24;
    layout.pixel = [](int x, int) { return x == 0 ? 0xFF8040u : 0x0810F8u; };
    WriteBmp("b.bmp", layout);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "b.bmp"), 1);
    EXPECT_EQ(bitmap_file.info_header.biBitCount, 16);
    EXPECT_EQ(Pixel16(0, 0), (0xFF >> 3) << 11 | (0x80 >> 2) << 5 | (0x40 >> 3));
    EXPECT_EQ(Pixel16(1, 1), (0x08 >> 3) << 11 | (0x10 >> 2) << 5 | (0xF8 >> 3));
    pixel_format = 15;
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "b.bmp"), 1);
    EXPECT_EQ(Pixel16(0, 0), (0xFF >> 3) << 10 | (0x80 >> 3) << 5 | (0x40 >> 3));
}

TEST_F(BitmapFileTest, MissingFileAndWrongSignatureAreRefused)
{
    LoadKeeper();
    EXPECT_EQ(LoadBitmapFile(&bitmap_file, "nothing.bmp"), 0);
    EXPECT_EQ(Pixel8(0, 0), 77);
    std::vector<uint8_t> bytes = MakeBmp(BmpLayout{});
    bytes[0] = 'P';
    ExpectRefusedAndKept(bytes, "not BM");
}

TEST_F(BitmapFileTest, UnsupportedDepthsCompressionAndHugeSizesAreRefused)
{
    BmpLayout layout;
    layout.depth = 32;
    ExpectRefusedAndKept(MakeBmp(layout), "32-bit");
    std::vector<uint8_t> four_bit = MakeBmp(BmpLayout{});
    four_bit[28] = 4;
    ExpectRefusedAndKept(four_bit, "4-bit");
    layout = BmpLayout{};
    layout.compression = 1;
    ExpectRefusedAndKept(MakeBmp(layout), "run-length compressed");

    std::vector<uint8_t> bytes = MakeBmp(BmpLayout{});
    const uint32_t huge = 9000;
    std::memcpy(&bytes[18], &huge, 4);
    ExpectRefusedAndKept(bytes, "wider than 8192");
    bytes = MakeBmp(BmpLayout{});
    std::memcpy(&bytes[22], &huge, 4);
    ExpectRefusedAndKept(bytes, "taller than 8192");
    const int32_t negative = -4;
    bytes = MakeBmp(BmpLayout{});
    std::memcpy(&bytes[18], &negative, 4);
    ExpectRefusedAndKept(bytes, "negative width");
    const int32_t zero = 0;
    bytes = MakeBmp(BmpLayout{});
    std::memcpy(&bytes[22], &zero, 4);
    ExpectRefusedAndKept(bytes, "no rows");
}

TEST_F(BitmapFileTest, TruncatedFilesAreRefusedAtEveryLength)
{
    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    const std::vector<uint8_t> whole = MakeBmp(layout);
    // Every cut inside the headers, the palette and the last row.
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{13}, std::size_t{14},
                               std::size_t{30}, std::size_t{53}, std::size_t{54},
                               std::size_t{600}, std::size_t{1077}, std::size_t{1078},
                               whole.size() - 8, whole.size() - 1}) {
        ExpectRefusedAndKept(std::vector<uint8_t>(whole.begin(), whole.begin() + length),
                             ("cut at " + std::to_string(length)).c_str());
    }
    WriteBytes("whole.bmp", whole);
    EXPECT_EQ(LoadBitmapFile(&bitmap_file, "whole.bmp"), 1);
}

TEST_F(BitmapFileTest, OffsetsPointingOutsideTheFileAreRefused)
{
    std::vector<uint8_t> bytes = MakeBmp(BmpLayout{});
    const uint32_t beyond = 0x7FFFFFF0;
    std::memcpy(&bytes[10], &beyond, 4);
    ExpectRefusedAndKept(bytes, "data offset beyond the end");
    bytes = MakeBmp(BmpLayout{});
    const uint32_t inside_headers = 20;
    std::memcpy(&bytes[10], &inside_headers, 4);
    ExpectRefusedAndKept(bytes, "data offset inside the headers");
    bytes = MakeBmp(BmpLayout{});
    const uint32_t long_header = 0x10000000;
    std::memcpy(&bytes[14], &long_header, 4);
    ExpectRefusedAndKept(bytes, "information header longer than the file");
}

TEST_F(BitmapFileTest, UnloadEmptiesTheBufferAndFlipReversesRows)
{
    WriteBmp("a.bmp", BmpLayout{});
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
    EXPECT_EQ(UnloadBitmapFile(&bitmap_file), 1);
    EXPECT_EQ(bitmap_file.buffer, nullptr);
    EXPECT_EQ(UnloadBitmapFile(&bitmap_file), 1);

    unsigned char rows[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(FlipBitmapRows(rows, 3, 3), 1);
    const unsigned char flipped[] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    EXPECT_EQ(std::memcmp(rows, flipped, sizeof rows), 0);
    EXPECT_EQ(FlipBitmapRows(rows, 3, 2), 1);
    EXPECT_EQ(rows[0], 4);
    EXPECT_EQ(rows[3], 7);
}

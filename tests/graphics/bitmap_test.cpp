// Loading BMP files, and refusing bad ones without losing the picture
// already loaded.
#include "graphics_fixture.h"

namespace {

using BitmapTest = GraphicsTest;

int Pixel8(int x, int y)
{
    return bitmap_file.buffer[y * bitmap_file.info_header.biWidth + x];
}

// The bytes with size bytes at offset at replaced by value, little-endian.
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, std::size_t at, uint32_t value, int size = 4)
{
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

}  // namespace

TEST_F(BitmapTest, RowsComeOutTopDownWithoutPaddingAndThePaletteInRedGreenBlue)
{
    for (const auto& [width, top_down] : {std::pair{1, false}, {3, true}, {8, false}}) {
        SCOPED_TRACE(testing::Message() << "width " << width << " top-down " << top_down);
        WriteBmp("a.bmp", BmpLayout{width, 5, top_down});
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
        EXPECT_EQ(bitmap_file.info_header.biHeight, 5);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x) ASSERT_EQ(Pixel8(x, y), y * 16 + x) << x << "," << y;
        }
    }
    const PaletteEntry& e = bitmap_file.palette[10];
    EXPECT_EQ((std::vector<int>{e.red, e.green, e.blue, e.flags}), (std::vector<int>{5, 245, 10, PC_NOCOLLAPSE}));
}

TEST_F(BitmapTest, BadFilesAreRefusedAndTheLoadedPictureKept)
{
    BmpLayout keeper;
    keeper.pixel = [](int, int) { return 77u; };
    WriteBmp("keeper.bmp", keeper);
    ASSERT_EQ(LoadBitmapFile(&bitmap_file, "keeper.bmp"), 1);
    const unsigned char* kept = bitmap_file.buffer;
    EXPECT_EQ(LoadBitmapFile(&bitmap_file, "missing.bmp"), 0);

    const std::vector<uint8_t> good = MakeBmp(BmpLayout{5, 3});
    std::vector<std::pair<std::string, std::vector<uint8_t>>> cases = {
        {"not BM", Patched(good, 0, 'P', 1)},          {"4-bit", Patched(good, 28, 4, 2)},
        {"32-bit", Patched(good, 28, 32, 2)},          {"compressed", Patched(good, 30, 1)},
        {"too wide", Patched(good, 18, 9000)},         {"too tall", Patched(good, 22, 9000)},
        {"negative width", Patched(good, 18, uint32_t(-4))}, {"no rows", Patched(good, 22, 0)},
        {"data beyond the end", Patched(good, 10, 0x7FFFFFF0)},
        {"data inside the headers", Patched(good, 10, 20)},
        {"header longer than the file", Patched(good, 14, 0x10000000)},
    };
    // Cut inside the headers, the palette and the last row (ending at 1102).
    for (std::size_t length : {0, 1, 13, 14, 30, 53, 54, 600, 1077, 1078, 1101}) {
        cases.push_back({"cut at " + std::to_string(length), {good.begin(), good.begin() + long(length)}});
    }
    for (const auto& [why, bytes] : cases) {
        SCOPED_TRACE(why);
        WriteBytes("bad.bmp", bytes);
        EXPECT_EQ(LoadBitmapFile(&bitmap_file, "bad.bmp"), 0);
        ASSERT_EQ(bitmap_file.buffer, kept);
        EXPECT_EQ(Pixel8(3, 1), 77);
    }
    WriteBytes("good.bmp", good);
    EXPECT_EQ(LoadBitmapFile(&bitmap_file, "good.bmp"), 1);
}

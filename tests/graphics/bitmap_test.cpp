// Loading BMP files, and refusing bad ones without losing the picture
// already loaded.
#include "graphics_fixture.h"

namespace {

using BitmapTest = GraphicsTest;

int Pixel8(int x, int y)
{
    return bitmap_file.buffer[y * bitmap_file.info_header.biWidth + x];
}

}  // namespace

TEST_F(BitmapTest, RowsComeOutTopDownWithoutPaddingAndThePaletteInRedGreenBlue)
{
    for (bool top_down : {false, true}) {
        for (int width : {1, 3, 8}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " top-down " << top_down);
            BmpLayout layout;
            layout.width = width;
            layout.height = 5;
            layout.top_down = top_down;
            WriteBmp("a.bmp", layout);
            ASSERT_EQ(LoadBitmapFile(&bitmap_file, "a.bmp"), 1);
            EXPECT_EQ(bitmap_file.info_header.biHeight, 5);
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < width; ++x) ASSERT_EQ(Pixel8(x, y), y * 16 + x) << x << "," << y;
            }
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

    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    const std::vector<uint8_t> good = MakeBmp(layout);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> cases = {
        {"not BM", Patched(good, 0, 'P', 1)},          {"4-bit", Patched(good, 28, 4, 2)},
        {"32-bit", Patched(good, 28, 32, 2)},          {"compressed", Patched(good, 30, 1)},
        {"too wide", Patched(good, 18, 9000)},         {"too tall", Patched(good, 22, 9000)},
        {"negative width", Patched(good, 18, uint32_t(-4))}, {"no rows", Patched(good, 22, 0)},
        {"data beyond the end", Patched(good, 10, 0x7FFFFFF0)},
        {"data inside the headers", Patched(good, 10, 20)},
        {"header longer than the file", Patched(good, 14, 0x10000000)},
    };
    // Cut inside the headers, the palette and the last row.
    for (std::size_t length : {0, 1, 13, 14, 30, 53, 54, 600, 1077, 1078}) {
        cases.push_back({"cut at " + std::to_string(length), {good.begin(), good.begin() + long(length)}});
    }
    cases.push_back({"last row cut", {good.begin(), good.end() - 1}});
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

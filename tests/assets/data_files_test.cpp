// The generated data as the game reads it: every sheet and screen loads in
// the one palette with its cells inside, the river runs from the bottom of
// the map to the top, and every sound is a mono 8-bit WAVE at 11025 Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/terrain.h"
#include "graphics/bitmap.h"

namespace {

std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("WAVEDART_DATA_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
}

// Land and bank colours: what the craft and the missiles crash into.
bool IsLand(int index)
{
    return index >= 197 && index <= 230;
}

}  // namespace

TEST(DataFiles, EveryPictureLoadsInThePaletteOfThePaletteFileWithItsCellsInside)
{
    PaletteEntry entries[PALETTE_SIZE] = {};
    ASSERT_EQ(LoadPaletteFile(DataPath("PALDATA2.PAL").c_str(), entries), 1);
    struct Sheet {
        const char* name;
        int cell_w, cell_h, columns, frames;
    };
    const Sheet sheets[] = {
        {"art/world.bmp", 64, 64, 4, 32},      {"art/skerrit.bmp", 40, 48, 3, 3},
        {"art/missle.bmp", 8, 8, 8, 16},       {"art/explosion.bmp", 48, 48, 6, 14},
        {"art/fuel.bmp", 48, 96, 1, 1},        {"art/bridge.bmp", 128, 64, 1, 1},
        {"art/info.bmp", 640, 32, 1, 1},       {"art/boat.bmp", 80, 24, 2, 2},
        {"art/cruiser.bmp", 112, 24, 2, 2},    {"art/destroyer.bmp", 112, 40, 2, 2},
        {"art/helicopter.bmp", 64, 24, 2, 2},  {"art/plane.bmp", 48, 16, 2, 2},
        {"art/jet.bmp", 48, 16, 2, 2},         {"menuart/main_screen.bmp", 640, 480, 1, 1},
        {"menuart/new_game_screen.bmp", 640, 480, 1, 1}, {"menuart/instruction_screen.bmp", 640, 480, 1, 1},
        {"menuart/game_finish_screen.bmp", 640, 480, 1, 1}, {"menuart/game_over_screen.bmp", 640, 480, 1, 1},
    };
    for (const Sheet& s : sheets) {
        SCOPED_TRACE(s.name);
        BitmapFile file{};
        ASSERT_EQ(LoadBitmapFile(&file, DataPath(s.name).c_str()), 1);
        EXPECT_EQ(file.info_header.biBitCount, 8);
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            const PaletteEntry &a = file.palette[i], &b = entries[i];
            ASSERT_EQ(a.red << 16 | a.green << 8 | a.blue, b.red << 16 | b.green << 8 | b.blue) << i;
        }
        // Menu screens are drawn whole, at pixel (0, 0); sheets are cut in cells.
        const int mode = s.cell_w == 640 && s.cell_h == 480 ? PIXEL_COORDS : CELL_COORDS;
        for (int i = 0; i < s.frames; ++i) {
            EXPECT_TRUE(FindBitmapCell(&file, i % s.columns, i / s.columns, s.cell_w, s.cell_h, mode, nullptr,
                                       nullptr))
                << "frame " << i;
        }
        UnloadBitmapFile(&file);
    }
}

TEST(DataFiles, OneRiverRunsFromTheBottomRowToTheTopWithColumnFourOpen)
{
    BitmapFile sheet{};
    ASSERT_EQ(LoadBitmapFile(&sheet, DataPath("art/world.bmp").c_str()), 1);
    // Land (1) or water (0) of every world pixel, as the collision scan sees it.
    std::vector<uint8_t> land(size_t(WORLD_WIDTH) * WORLD_HEIGHT);
    for (int y = 0; y < WORLD_HEIGHT; ++y) {
        for (int x = 0; x < WORLD_WIDTH; ++x) {
            const int tile = river_map[y / TILE_SIZE][x / TILE_SIZE] - '0';
            int left = 0, top = 0;
            ASSERT_TRUE(FindBitmapCell(&sheet, tile % 4, tile / 4, TILE_SIZE, TILE_SIZE, CELL_COORDS, &left, &top));
            const int index = sheet.buffer[(top + y % TILE_SIZE) * sheet.info_header.biWidth + left + x % TILE_SIZE];
            land[size_t(y) * WORLD_WIDTH + size_t(x)] = IsLand(index);
        }
    }
    UnloadBitmapFile(&sheet);
    std::vector<uint8_t> seen(land.size(), 0);
    std::deque<size_t> queue;
    for (size_t i = size_t(WORLD_HEIGHT - 1) * WORLD_WIDTH; i < land.size(); ++i) {
        if (!land[i]) seen[i] = 1, queue.push_back(i);
    }
    while (!queue.empty()) {
        const size_t i = queue.front();
        queue.pop_front();
        const size_t x = i % WORLD_WIDTH;
        for (size_t n : {i + 1, i - 1, i + WORLD_WIDTH, i - WORLD_WIDTH}) {
            const bool wraps = (n == i + 1 && x == WORLD_WIDTH - 1) || (n == i - 1 && x == 0);
            if (n < land.size() && !wraps && !land[n] && !seen[n]) seen[n] = 1, queue.push_back(n);
        }
    }
    for (size_t i = 0; i < land.size(); ++i) {
        ASSERT_TRUE(land[i] || seen[i]) << "water cut off from the river at " << i % WORLD_WIDTH << "," << i / WORLD_WIDTH;
        if (i % WORLD_WIDTH / TILE_SIZE == 4) {
            ASSERT_FALSE(land[i]) << "column 4 is open water";
        }
    }
    EXPECT_TRUE(seen[4 * TILE_SIZE]) << "the river reaches the top";
}

TEST(DataFiles, EverySoundIsEightBitMonoPcmAt11025WithLoopsThatWrapWithoutAClick)
{
    for (const char* name : {"engine", "fueling", "fuel_low", "missle", "explosion"}) {
        SCOPED_TRACE(name);
        std::ifstream in(DataPath(std::string("sounds/") + name + ".wav"), std::ios::binary);
        const std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GE(b.size(), 44u);
        // Format, channels, rate, byte rate, alignment and depth in one go.
        const uint8_t format[] = {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0};
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 20), std::string("WAVEfmt \x10\0\0\0", 12));
        EXPECT_TRUE(std::equal(format, format + 16, b.begin() + 20));
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const size_t size = b[40] | b[41] << 8 | b[42] << 16 | size_t(b[43]) << 24;
        ASSERT_LE(44 + size, b.size());
        const std::vector<uint8_t> s(b.begin() + 44, b.begin() + 44 + long(size));
        if (std::string(name) == "missle" || std::string(name) == "explosion") continue;
        // The jump from the last sample back to the first is no bigger than
        // the steps nearly everywhere inside.
        std::vector<int> steps;
        for (size_t i = 0; i + 1 < s.size(); ++i) steps.push_back(std::abs(s[i + 1] - s[i]));
        std::sort(steps.begin(), steps.end());
        EXPECT_LE(std::abs(s.front() - s.back()), std::max(steps[steps.size() * 95 / 100], 2));
    }
}

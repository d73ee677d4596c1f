// Every picture the game loads: present, in the exact BMP layout the
// loader expects, with its cells at the sizes the actors cut.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/assets/asset_files.h"

namespace {

struct Sheet {
    const char* name;
    int cell_w, cell_h, columns, frames;
};

constexpr Sheet kSheets[] = {
    {"art/world.bmp", 64, 64, 4, 32},      {"art/skerrit.bmp", 40, 48, 3, 3},
    {"art/missle.bmp", 8, 8, 8, 16},       {"art/explosion.bmp", 48, 48, 6, 14},
    {"art/fuel.bmp", 48, 96, 1, 1},        {"art/bridge.bmp", 128, 64, 1, 1},
    {"art/info.bmp", 640, 32, 1, 1},       {"art/boat.bmp", 80, 24, 2, 2},
    {"art/cruiser.bmp", 112, 24, 2, 2},    {"art/destroyer.bmp", 112, 40, 2, 2},
    {"art/helicopter.bmp", 64, 24, 2, 2},  {"art/plane.bmp", 48, 16, 2, 2},
    {"art/jet.bmp", 48, 16, 2, 2},
};

constexpr const char* kScreens[] = {"menuart/main_screen.bmp", "menuart/new_game_screen.bmp",
                                    "menuart/instruction_screen.bmp", "menuart/game_finish_screen.bmp",
                                    "menuart/game_over_screen.bmp"};

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// The raw layout: 8-bit, uncompressed, bottom-up, palette right after the
// 40-byte header, pixels right after the palette, no row padding.
void ExpectPlainLayout(const std::string& name) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> b = ReadWholeFile(DataPath(name));
    ASSERT_GE(b.size(), 1078u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    uint32_t width = U32(b, 18), height = U32(b, 22);
    EXPECT_EQ(U32(b, 10), 1078u);                 // bfOffBits
    EXPECT_EQ(U32(b, 14), 40u);                   // biSize
    EXPECT_EQ(b[28] | b[29] << 8, 8);             // biBitCount
    EXPECT_EQ(U32(b, 30), 0u);                    // biCompression
    EXPECT_LT(int32_t(height), 1 << 16);          // positive: bottom-up
    EXPECT_EQ(width % 4, 0u);
    EXPECT_EQ(U32(b, 34), width * height);        // biSizeImage
    EXPECT_EQ(b.size(), 1078u + width * height);
}

bool SamePalette(const Picture& p, const std::vector<std::array<int, 4>>& file) {
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        const PaletteEntry& e = p.palette[size_t(i)];
        if (e.red != file[size_t(i)][0] || e.green != file[size_t(i)][1] || e.blue != file[size_t(i)][2]) return false;
    }
    return true;
}

bool CellHasInk(const Picture& cell) {
    for (uint8_t p : cell.pixels)
        if (p != 0) return true;
    return false;
}

int InkCount(const Picture& cell) {
    int n = 0;
    for (uint8_t p : cell.pixels) n += p != 0;
    return n;
}

}  // namespace

TEST(Bitmaps, EverySheetLoadsWithItsCellsAndThePaletteOfThePaletteFile) {
    std::vector<std::array<int, 4>> pal_file = ReadPaletteFile();
    ASSERT_EQ(pal_file.size(), 256u);
    for (const Sheet& s : kSheets) {
        SCOPED_TRACE(s.name);
        ExpectPlainLayout(s.name);
        Picture sheet;
        ASSERT_TRUE(LoadPicture(s.name, &sheet));
        EXPECT_TRUE(SamePalette(sheet, pal_file));
        int rows = (s.frames + s.columns - 1) / s.columns;
        EXPECT_GE(sheet.width, s.columns * (s.cell_w + 1) + 1);
        EXPECT_GE(sheet.height, rows * (s.cell_h + 1) + 1);
        BitmapFile file{};
        ASSERT_TRUE(LoadBitmapFile(&file, DataPath(s.name).c_str()));
        for (int i = 0; i < s.frames; ++i) {
            int left = 0, top = 0;
            EXPECT_TRUE(FindBitmapCell(&file, i % s.columns, i / s.columns, s.cell_w, s.cell_h, CELL_COORDS, &left,
                                       &top))
                << "frame " << i;
            if (std::strcmp(s.name, "art/explosion.bmp") != 0 || i < 13) {
                EXPECT_TRUE(CellHasInk(Cell(sheet, i % s.columns, i / s.columns, s.cell_w, s.cell_h)))
                    << "frame " << i << " is empty";
            }
        }
        UnloadBitmapFile(&file);
    }
}

TEST(Bitmaps, MenuScreensAreFullScreenInTheOnePalette) {
    std::vector<std::array<int, 4>> pal_file = ReadPaletteFile();
    ASSERT_EQ(pal_file.size(), 256u);
    for (const char* name : kScreens) {
        SCOPED_TRACE(name);
        ExpectPlainLayout(name);
        Picture screen;
        ASSERT_TRUE(LoadPicture(name, &screen));
        EXPECT_EQ(screen.width, 640);
        EXPECT_EQ(screen.height, 480);
        EXPECT_TRUE(SamePalette(screen, pal_file));
    }
}

TEST(Bitmaps, EnemiesFaceLeftThenRightAsMirrorImages) {
    const Sheet* enemies = &kSheets[7];
    for (int k = 0; k < 6; ++k) {
        const Sheet& s = enemies[k];
        SCOPED_TRACE(s.name);
        Picture sheet;
        ASSERT_TRUE(LoadPicture(s.name, &sheet));
        Picture left = Cell(sheet, 0, 0, s.cell_w, s.cell_h), right = Cell(sheet, 1, 0, s.cell_w, s.cell_h);
        for (int y = 0; y < s.cell_h; ++y)
            for (int x = 0; x < s.cell_w; ++x) ASSERT_EQ(left.At(x, y), right.At(s.cell_w - 1 - x, y));
        // Not symmetric, or the two frames could not tell the direction.
        EXPECT_NE(left.pixels, right.pixels);
    }
}

TEST(Bitmaps, CraftBanksInThreeDifferentFrames) {
    Picture sheet;
    ASSERT_TRUE(LoadPicture("art/skerrit.bmp", &sheet));
    Picture left = Cell(sheet, 0, 0, 40, 48), level = Cell(sheet, 1, 0, 40, 48), right = Cell(sheet, 2, 0, 40, 48);
    EXPECT_NE(left.pixels, level.pixels);
    EXPECT_NE(right.pixels, level.pixels);
    EXPECT_NE(left.pixels, right.pixels);
    // Banking shortens the wings: the banked frames are narrower.
    auto span = [](const Picture& p) {
        int lo = p.width, hi = -1;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (p.At(x, y)) lo = std::min(lo, x), hi = std::max(hi, x);
        return hi - lo;
    };
    EXPECT_LT(span(left), span(level));
    EXPECT_LT(span(right), span(level));
}

TEST(Bitmaps, ExplosionGrowsThenFades) {
    Picture sheet;
    ASSERT_TRUE(LoadPicture("art/explosion.bmp", &sheet));
    // Size, brightness, and how fiery (red over blue) the pixels are.
    std::vector<int> ink, bright, fire;
    for (int i = 0; i < 13; ++i) {
        Picture f = Cell(sheet, i % 6, i / 6, 48, 48);
        ink.push_back(InkCount(f));
        int sum = 0, warm = 0;
        for (uint8_t p : f.pixels)
            if (p) sum += Brightness(f.palette[p]), warm += f.palette[p].red - f.palette[p].blue;
        bright.push_back(ink.back() ? sum / ink.back() : 0);
        fire.push_back(ink.back() ? warm / ink.back() : 0);
    }
    EXPECT_LT(ink[0], ink[4]);
    EXPECT_LT(ink[4], ink[8]);
    EXPECT_GT(ink[8], ink[12]);
    EXPECT_GT(bright[0], bright[6]);  // the white flash cools to orange
    EXPECT_GT(fire[6], fire[12]);     // and the fire to smoke
}

TEST(Bitmaps, PlayerShotsAreTallAndEnemyShotsAreWide) {
    Picture sheet;
    ASSERT_TRUE(LoadPicture("art/missle.bmp", &sheet));
    for (int i = 0; i < 16; ++i) {
        Picture f = Cell(sheet, i % 8, i / 8, 8, 8);
        int x0 = 8, x1 = -1, y0 = 8, y1 = -1;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (f.At(x, y)) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        if (i < 8) {
            EXPECT_GT(y1 - y0, x1 - x0) << "frame " << i;
        } else {
            EXPECT_GT(x1 - x0, y1 - y0) << "frame " << i;
        }
    }
}

// The generated data as the game reads it: every sheet and screen loads in
// the one palette with its cells inside, and every sound loads. (The pilot
// flying every level shows that the river is passable.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "graphics/bitmap.h"
#include "sound/sound_device.h"

namespace {

std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("WAVEDART_DATA_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
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

TEST(DataFiles, EverySoundLoadsAsTheGameLoadsIt)
{
    ASSERT_EQ(OpenSoundDevice(), 1);
    for (const char* name : {"engine", "fueling", "fuel_low", "missle", "explosion"}) {
        EXPECT_GE(LoadWavSound(DataPath(std::string("sounds/") + name + ".wav").c_str(), 0), 0) << name;
    }
    CloseSoundDevice();
}

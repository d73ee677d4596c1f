// The generated art against what the game relies on: land in the bank
// colours, open water outside them, and every sheet large enough to cut.
#include <cstdlib>

#include "game/bridge.h"
#include "game/camera.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "river_fixture.h"

namespace {

class GeneratedArtTest : public RiverTest {
protected:
    void SetUp() override
    {
        RiverTest::SetUp();
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        if (!data || !std::filesystem::exists(std::filesystem::path(data) / "art/world.bmp")) {
            GTEST_SKIP() << "no generated art";
        }
        std::filesystem::current_path(data);
    }

    // Counts the bank pixels in the screen rectangle [x0, x1) x [y0, y1).
    static int BankPixels(int x0, int y0, int x1, int y1)
    {
        LockBackSurface();
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const int v = back_buffer[y * back_pitch + x];
                count += v >= BANK_COLOUR_FIRST && v <= BANK_COLOUR_LAST ? 1 : 0;
            }
        }
        UnlockBackSurface();
        return count;
    }
};

}  // namespace

TEST_F(GeneratedArtTest, LandIsSolidAndOpenWaterIsNot)
{
    ASSERT_EQ(LoadTerrain(), 1);
    for (int camera : {0, 1024, 2048, 3328}) {
        camera_x = 0;
        camera_y = camera;
        FillSurface(back_surface, 0, nullptr);
        DrawTerrain();
        for (int row = 0; row < 7; ++row) {
            const char* tiles = river_map[(camera >> 6) + row];
            for (int c = 0; c < MAP_COLUMNS; ++c) {
                const int x = c * TILE_SIZE;
                const int y = row * TILE_SIZE;
                const int bank = BankPixels(x, y, x + TILE_SIZE, y + TILE_SIZE);
                if (tiles[c] == 'N') {
                    EXPECT_EQ(bank, TILE_SIZE * TILE_SIZE) << "land, camera " << camera << " column " << c;
                } else if (tiles[c] == 'O') {
                    EXPECT_EQ(bank, 0) << "water, camera " << camera << " column " << c;
                }
            }
        }
    }
    DestroyTerrain();
}

TEST_F(GeneratedArtTest, CraftStartsClearOfTheBanks)
{
    LoadTerrain();
    camera_y = CAMERA_START_Y;
    FillSurface(back_surface, 0, nullptr);
    DrawTerrain();
    // The craft's 40x48 rectangle at its start, and the scan's extra pixel.
    EXPECT_EQ(BankPixels(268, 392, 309, 441), 0);
    DestroyTerrain();
}

TEST_F(GeneratedArtTest, EverySheetOfThisPartCutsAllItsFrames)
{
    EXPECT_EQ(LoadMissiles(), 1);
    EXPECT_EQ(LoadExplosions(), 1);
    EXPECT_EQ(LoadFuelDepots(), 1);
    EXPECT_EQ(LoadBridge(), 1);
    DestroyMissiles();
    DestroyExplosions();
    DestroyFuelDepots();
    DestroyBridge();
}

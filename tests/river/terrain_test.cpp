// The river map, the tile sheet and the terrain drawn at the camera.
#include <set>

#include "game/camera.h"
#include "game/terrain.h"
#include "river_fixture.h"

namespace {

constexpr int BACKGROUND = 250;

// Varies down each tile so that a row drawn a pixel off is seen; pixel (5, 5)
// of the water tile is transparent.
uint8_t TileColour(int tile, int px, int py)
{
    if (tile == 31 && px == 5 && py == 5) return 0;
    return static_cast<uint8_t>(1 + (tile * 13 + py * 3 + px / 8) % 190);
}

class TerrainTest : public RiverTest {
protected:
    void LoadTestSheet()
    {
        WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 8, TileColour);
        ASSERT_EQ(LoadTerrain(), 1);
    }

    void DrawAt(int camera)
    {
        camera_x = 0;
        camera_y = camera;
        FillSurface(back_surface, BACKGROUND, nullptr);
        DrawTerrain();
    }

    // What the screen must show at (x, y) when the rows first_row to
    // last_row are drawn: the map's tile there, or the background.
    static int Expected(int x, int y, int first_row, int last_row)
    {
        const int world_y = camera_y + y;
        const int row = world_y >> 6;
        if (world_y < 0 || row < first_row || row > last_row) return BACKGROUND;
        const int colour = TileColour(river_map[row][x >> 6] - '0', x & 63, world_y & 63);
        return colour == 0 ? BACKGROUND : colour;
    }

    static void ExpectScreen(int first_row, int last_row)
    {
        LockBackSurface();
        int wrong = 0;
        for (int y = 0; y < 480 && wrong < 5; ++y) {
            for (int x = 0; x < 640 && wrong < 5; ++x) {
                const int expected = Expected(x, y, first_row, last_row);
                const int actual = back_buffer[y * back_pitch + x];
                if (actual != expected) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << actual << ", not "
                                  << expected;
                    ++wrong;
                }
            }
        }
        UnlockBackSurface();
    }
};

}  // namespace

TEST(RiverMap, SixtyRowsOfTenTilesSharingFortyTwoStrings)
{
    std::set<const char*> distinct;
    std::set<std::string> texts;
    for (int r = 0; r < MAP_ROWS; ++r) {
        ASSERT_EQ(std::string(river_map[r]).size(), 10u) << "row " << r;
        for (int c = 0; c < MAP_COLUMNS; ++c) {
            const int tile = river_map[r][c] - '0';
            EXPECT_TRUE(tile >= 0 && tile < TILE_COUNT && tile != 1) << r << "," << c;
        }
        distinct.insert(river_map[r]);
        texts.insert(river_map[r]);
    }
    EXPECT_EQ(distinct.size(), 42u);
    EXPECT_EQ(texts.size(), 42u) << "equal rows share one string";
    EXPECT_EQ(river_map[0], river_map[59]);
    EXPECT_STREQ(river_map[0], "NNNMOLNNNN");
    EXPECT_STREQ(river_map[47], "N4OOOOO2NN");
    EXPECT_EQ(river_map[58][4], 'O') << "the craft starts over open water";
}

TEST_F(TerrainTest, LifeStartDrawsRowsFiftyTwoToFiftyNineFromMinusSixtyThree)
{
    LoadTestSheet();
    DrawAt(CAMERA_START_Y);
    // Row 52 starts at y -63, row 59 at 385 and reaches screen row 448.
    ExpectScreen(52, 59);
    EXPECT_EQ(BackPixel(100, 448), TileColour(30, 100 & 63, 63));
    EXPECT_EQ(BackPixel(100, 449), BACKGROUND);
}

TEST_F(TerrainTest, TileEdgeCameraDrawsExactlySevenRowsFromTheTop)
{
    LoadTestSheet();
    DrawAt(3328);
    ExpectScreen(52, 58);
    EXPECT_EQ(BackPixel(0, 448), BACKGROUND) << "the panel's rows stay clear";
}

TEST_F(TerrainTest, TopOfTheRiverDrawsRowsZeroToSix)
{
    LoadTestSheet();
    DrawAt(0);
    ExpectScreen(0, 6);
}

TEST_F(TerrainTest, TransparentTilePixelsLeaveTheBackgroundAndThePaletteIsTheSheets)
{
    LoadTestSheet();
    DrawAt(0);
    // Row 0 column 4 is open water: its pixel (5, 5) is colour 0.
    EXPECT_EQ(BackPixel(4 * 64 + 5, 5), BACKGROUND);
    EXPECT_EQ(BackPixel(4 * 64 + 6, 5), TileColour(31, 6, 5));
    for (int i : {0, 1, 197, 255}) {
        EXPECT_EQ(world_palette[i].red, i);
        EXPECT_EQ(world_palette[i].green, 255 - i);
        EXPECT_EQ(world_palette[i].blue, i / 2);
        EXPECT_EQ(world_palette[i].flags, PC_NOCOLLAPSE);
    }
}

TEST_F(TerrainTest, CameraOutsideTheMapDrawsOnlyTheRowsThatExist)
{
    LoadTestSheet();
    DrawAt(3800);
    EXPECT_EQ(BackPixel(100, 39), TileColour(30, 100 & 63, 63));
    EXPECT_EQ(BackPixel(100, 40), BACKGROUND);
    DrawAt(-40);
    EXPECT_EQ(BackPixel(100, 0), BACKGROUND);
}

TEST_F(TerrainTest, MissingSheetLeavesABlackPaletteAndDrawsNothing)
{
    EXPECT_EQ(LoadTerrain(), 0);
    for (const PaletteEntry& entry : world_palette) {
        EXPECT_EQ(entry.red + entry.green + entry.blue + entry.flags, 0);
    }
    DrawAt(CAMERA_START_Y);
    EXPECT_EQ(BackPixel(320, 200), BACKGROUND);
    EXPECT_EQ(DestroyTerrain(), 1);
}

TEST_F(TerrainTest, TruncatedSheetCutsNoTiles)
{
    // Only the first row of tiles fits in this sheet.
    WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 1, TileColour);
    EXPECT_EQ(LoadTerrain(), 0);
    DrawAt(0);
    EXPECT_EQ(BackPixel(320, 200), BACKGROUND) << "tile 31 was never cut";
}

TEST_F(TerrainTest, BankIsFoundInTheSpritesRectangleOnePixelWider)
{
    // Land (tile 30) in the last bank colour; every other tile just outside
    // the bank range, on either side.
    WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 8, [](int tile, int, int) -> uint8_t {
        if (tile == 30) return BANK_COLOUR_LAST;
        return tile == 31 ? BANK_COLOUR_FIRST - 1 : BANK_COLOUR_LAST + 1;
    });
    LoadTerrain();
    DrawAt(3328);  // screen rows 384 to 447 show map row 58, "NN?;O:>NNN"
    Sprite probe{};
    probe.width = 8;
    probe.height = 8;
    probe.y = 400.0f;
    probe.x = 120.0f;  // column 1, land
    EXPECT_EQ(TouchesBank(probe), 1);
    probe.x = 256.0f;  // column 4, water
    EXPECT_EQ(TouchesBank(probe), 0);
    probe.x = 439.0f;  // column 6 ">", its scan reaching x 447
    EXPECT_EQ(TouchesBank(probe), 0);
    probe.x = 440.0f;  // column 6, the scan's extra column at 448 is land
    EXPECT_EQ(TouchesBank(probe), 1);
    EXPECT_EQ(back_buffer, nullptr) << "the back surface is unlocked again";

    // A bank colour drawn on top of the terrain counts just the same.
    FillSurface(back_surface, 0, nullptr);
    const DisplayRect first{300, 100, 301, 101};
    FillSurface(back_surface, BANK_COLOUR_FIRST, &first);
    probe.x = 292.0f;
    probe.y = 92.0f;
    EXPECT_EQ(TouchesBank(probe), 1);
    probe.x = 291.0f;
    EXPECT_EQ(TouchesBank(probe), 0);
}

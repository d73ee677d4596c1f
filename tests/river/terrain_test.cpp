// The terrain drawn at the camera from the river map and the tile sheet.
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
    static void DrawAt(int camera)
    {
        camera_x = 0;
        camera_y = camera;
        FillSurface(back_surface, BACKGROUND, nullptr);
        DrawTerrain();
    }
};

}  // namespace

TEST_F(TerrainTest, DrawsTheMapRowsTheCameraSeesAndNoOthers)
{
    WriteCellSheet("world.bmp", TILE_SIZE, TILE_SIZE, 4, 8, TileColour);
    ASSERT_EQ(LoadTerrain(), 1);
    for (int i : {0, 197, 255}) {
        const PaletteEntry& entry = world_palette[i];
        EXPECT_EQ(entry.red * 65536 + entry.green * 256 + entry.blue, i * 65536 + (255 - i) * 256 + i / 2);
    }
    struct Case {
        int camera;
        int last_row;  // the lowest map row drawn
    };
    // A life starts with row 52 at y -63 and row 59 reaching screen row 448;
    // on a tile edge seven rows fill the screen above the panel.
    const Case cases[] = {{CAMERA_START_Y, 59}, {3328, 58}, {0, 6}, {3800, 59}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.camera);
        DrawAt(c.camera);
        LockBackSurface();
        int wrong = 0;
        for (int y = 0; y < 480 && wrong < 5; ++y) {
            for (int x = 0; x < 640 && wrong < 5; ++x) {
                const int world_y = c.camera + y;
                const int row = world_y >> 6;
                int expected = BACKGROUND;
                if (world_y >= 0 && row <= c.last_row) {
                    const int colour = TileColour(river_map[row][x >> 6] - '0', x & 63, world_y & 63);
                    expected = colour == 0 ? BACKGROUND : colour;
                }
                if (back_buffer[y * back_pitch + x] != expected) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << int{back_buffer[y * back_pitch + x]}
                                  << ", not " << expected;
                    ++wrong;
                }
            }
        }
        UnlockBackSurface();
    }
    DrawAt(-40);
    EXPECT_EQ(BackPixel(100, 0), BACKGROUND) << "no row above the map";
}

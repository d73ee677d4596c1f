// The tile sheet, the world palette and the drawing of the visible map.
#include "game/terrain.h"

#include "game/camera.h"
#include "game/sheet_sprite.h"

namespace {

// Tile rows filling the 448-row play area when the camera sits on a tile edge.
constexpr int PLAY_AREA_ROWS = 7;

}  // namespace

Sprite terrain_tiles;
PaletteEntry world_palette[PALETTE_SIZE];

int LoadTerrain()
{
    return LoadSheetSprite(&terrain_tiles, "art/world.bmp", TILE_SIZE, TILE_SIZE, TILE_COUNT,
                           TILE_SHEET_COLUMNS, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, world_palette);
}

void DrawTerrain()
{
    const int first_column = camera_x >> 6;
    const int x_start = -(camera_x % TILE_SIZE);
    const int first_row = camera_y >> 6;
    const int y_start = -(camera_y % TILE_SIZE);
    const int last_column = first_column + MAP_COLUMNS - 1 + (x_start != 0 ? 1 : 0);
    const int last_row = first_row + PLAY_AREA_ROWS - 1 + (y_start != 0 ? 1 : 0);

    for (int r = first_row; r <= last_row; ++r) {
        // A camera beyond the map shows nothing there rather than reading
        // outside the map.
        if (r < 0 || r >= MAP_ROWS) continue;
        for (int c = first_column; c <= last_column; ++c) {
            if (c < 0 || c >= MAP_COLUMNS) continue;
            terrain_tiles.x = static_cast<float>(x_start + TILE_SIZE * (c - first_column));
            terrain_tiles.y = static_cast<float>(y_start + TILE_SIZE * (r - first_row));
            terrain_tiles.curr_frame = river_map[r][c] - '0';
            DrawSprite(&terrain_tiles, back_surface);
        }
    }
}

int DestroyTerrain()
{
    return DestroySprite(&terrain_tiles);
}

// The river: one fixed map of 64x64 tiles drawn under every frame. The drawn
// terrain doubles as the collision map, so it goes into the back buffer
// before any actor is updated.
#pragma once

#include "graphics/display.h"
#include "graphics/sprite.h"

constexpr int TILE_SIZE = 64;
constexpr int TILE_COUNT = 32;
constexpr int TILE_SHEET_COLUMNS = 4;
constexpr int MAP_COLUMNS = 10;
constexpr int MAP_ROWS = 60;
constexpr int WORLD_WIDTH = MAP_COLUMNS * TILE_SIZE;
constexpr int WORLD_HEIGHT = MAP_ROWS * TILE_SIZE;

// Palette indices of land and bank: solid for the craft and the missiles.
constexpr int BANK_COLOUR_FIRST = 197;
constexpr int BANK_COLOUR_LAST = 230;

extern Sprite terrain_tiles;
extern PaletteEntry world_palette[PALETTE_SIZE];

// Top row first; character code - '0' is the tile number.
extern const char* const river_map[MAP_ROWS];

// 1 when the back buffer, holding only the terrain, has a bank colour in the
// sprite's screen rectangle taken one pixel wider and taller (the corner
// (x + width, y + height) included).
int TouchesBank(const Sprite& sprite);

int LoadTerrain();
void DrawTerrain();
int DestroyTerrain();

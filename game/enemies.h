// The six enemy kinds: boats, cruisers, destroyers, helicopters, planes and
// jets, each a pool of ten that crosses the river, turns at the banks, fires,
// rams the craft and is shot down for points.
#pragma once

#include "graphics/sprite.h"

constexpr int ENEMY_KIND_COUNT = 6;
constexpr int ENEMY_POOL_SIZE = 10;
// A firing enemy shoots once its timer exceeds this: on every 31st update.
constexpr int ENEMY_FIRE_INTERVAL = 30;

// What makes one kind differ from another.
struct EnemyKind {
    const char* sheet;
    int width;
    int height;
    int points;
    // Speeds drawn at placement: base + (rand mod choices), by direction.
    int left_base;
    int right_base;
    int speed_choices;
};

// Indexed by kind, the same numbers as the level table's object kinds.
inline constexpr EnemyKind ENEMY_KINDS[ENEMY_KIND_COUNT] = {
    {"art/boat.bmp", 80, 24, 300, -3, 2, 2},
    {"art/cruiser.bmp", 112, 24, 400, -4, 2, 3},
    {"art/destroyer.bmp", 112, 40, 500, -3, 2, 2},
    {"art/helicopter.bmp", 64, 24, 600, -4, 3, 2},
    {"art/plane.bmp", 48, 16, 700, -5, 4, 2},
    {"art/jet.bmp", 48, 16, 800, -6, 5, 2},
};

// One pool per kind; the named pools are views of the same storage.
extern Sprite enemy_pools[ENEMY_KIND_COUNT][ENEMY_POOL_SIZE];
inline Sprite (&boats)[ENEMY_POOL_SIZE] = enemy_pools[0];
inline Sprite (&cruisers)[ENEMY_POOL_SIZE] = enemy_pools[1];
inline Sprite (&destroyers)[ENEMY_POOL_SIZE] = enemy_pools[2];
inline Sprite (&helicopters)[ENEMY_POOL_SIZE] = enemy_pools[3];
inline Sprite (&planes)[ENEMY_POOL_SIZE] = enemy_pools[4];
inline Sprite (&jets)[ENEMY_POOL_SIZE] = enemy_pools[5];

// Every operation takes the kind, 0 to 5; any other kind does nothing.
void LoadEnemies(int kind);
void ClearEnemies(int kind);
// Places the current level's enemies of this kind, two rand values each.
void PlaceEnemies(int kind);
void UpdateEnemies(int kind);
void DrawEnemies(int kind);
void DestroyEnemies(int kind);

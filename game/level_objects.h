// What stands in the river on each level: enemies and fuel depots, placed
// afresh at every life start from these constant tables.
#pragma once

#include <cstdint>

constexpr int LEVEL_COUNT = 10;
constexpr int LEVEL_OBJECT_ROWS = 30;

constexpr int OBJECT_BOAT = 0;
constexpr int OBJECT_CRUISER = 1;
constexpr int OBJECT_DESTROYER = 2;
constexpr int OBJECT_HELICOPTER = 3;
constexpr int OBJECT_PLANE = 4;
constexpr int OBJECT_JET = 5;
constexpr int OBJECT_FUEL_DEPOT = 6;

struct LevelObject {
    int32_t kind;
    int32_t fires;
    int32_t x;
    int32_t y;
};

// Rows at or beyond a level's count are zero and never read.
extern const int32_t level_object_counts[LEVEL_COUNT];
extern const LevelObject level_objects[LEVEL_COUNT][LEVEL_OBJECT_ROWS];

// Rows used by a level; 0 for a level outside the tables, so that a walk of
// rows 0 to count - 1 never reads outside them.
int LevelObjectCount(int level_index);

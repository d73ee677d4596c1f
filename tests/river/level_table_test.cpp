// Whether every level of the table can be flown on the fuel its depots give.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/level_objects.h"
#include "graphics/collision.h"

namespace {

// The craft's 40x48 box, where every life starts and every level ends; the
// tank is full at a life start and at most TANK_MOST after refuelling.
constexpr int CRAFT_WIDTH = 40;
constexpr int CRAFT_HEIGHT = 48;
constexpr int CRAFT_START_Y = 416 + 3391;
constexpr int LEVEL_END_Y = 48;
constexpr int TANK_AT_START = 1000;
constexpr int TANK_MOST = 1030;

// Whether a craft centred at world y, lined up with the depot, refuels from it.
bool Refuels(const LevelObject& depot, int craft_y)
{
    return RectsOverlap(depot.x - 24, depot.y - 48, 48, 96, depot.x - CRAFT_WIDTH / 2,
                        craft_y - CRAFT_HEIGHT / 2, CRAFT_WIDTH, CRAFT_HEIGHT) == 1;
}

}  // namespace

// Climbs each level a pixel at a time, burning one unit a pixel and filling
// the tank over every depot.
TEST(LevelTable, EveryLevelCanBeClimbedOnTheFuelItsDepotsGive)
{
    for (int l = 0; l < LEVEL_COUNT; ++l) {
        const LevelObject* rows = level_objects[l];
        const LevelObject* end = rows + LevelObjectCount(l);
        int fuel = TANK_AT_START;
        int lowest = fuel;
        int worst_y = CRAFT_START_Y;
        for (int y = CRAFT_START_Y - 1; y >= LEVEL_END_Y; --y) {
            const bool over_depot = std::any_of(rows, end, [y](const LevelObject& row) {
                return row.kind == OBJECT_FUEL_DEPOT && Refuels(row, y);
            });
            fuel = over_depot ? TANK_MOST : fuel - 1;
            if (fuel < lowest) {
                lowest = fuel;
                worst_y = y;
            }
        }
        EXPECT_GT(lowest, 0) << "level " << l + 1 << " runs dry at world y " << worst_y;
    }
    EXPECT_EQ(LevelObjectCount(-1) + LevelObjectCount(LEVEL_COUNT), 0);
}

// The level table: rows per kind, the shape of the data, and whether every
// level can be flown on the fuel its depots give.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "game/level_objects.h"
#include "graphics/collision.h"

namespace {

constexpr int KINDS = 7;

struct KindCount {
    int rows;
    int firing;
};

// Rows of each kind per level (boats to depots), with the firing ones.
constexpr std::array<std::array<KindCount, KINDS>, LEVEL_COUNT> EXPECTED = {{
    {{{6, 0}, {4, 0}, {2, 0}, {2, 0}, {0, 0}, {0, 0}, {6, 0}}},
    {{{3, 0}, {5, 1}, {4, 1}, {2, 0}, {0, 0}, {0, 0}, {6, 0}}},
    {{{5, 0}, {5, 2}, {3, 1}, {5, 3}, {2, 0}, {0, 0}, {5, 0}}},
    {{{4, 0}, {5, 4}, {5, 1}, {2, 1}, {4, 3}, {0, 0}, {5, 0}}},
    {{{6, 4}, {5, 3}, {3, 2}, {5, 2}, {3, 3}, {4, 4}, {4, 0}}},
    {{{4, 3}, {7, 6}, {4, 3}, {4, 2}, {2, 2}, {5, 3}, {4, 0}}},
    {{{3, 2}, {7, 5}, {4, 3}, {4, 4}, {5, 3}, {3, 3}, {4, 0}}},
    {{{6, 5}, {5, 5}, {5, 2}, {3, 3}, {4, 4}, {3, 3}, {4, 0}}},
    {{{6, 6}, {8, 7}, {4, 2}, {3, 3}, {3, 3}, {2, 2}, {4, 0}}},
    {{{6, 6}, {6, 6}, {3, 3}, {4, 4}, {4, 4}, {3, 3}, {4, 0}}},
}};

// The craft: its 40x48 box and where every life starts and every level ends.
constexpr int CRAFT_WIDTH = 40;
constexpr int CRAFT_HEIGHT = 48;
constexpr int CRAFT_START_Y = 416 + 3391;
constexpr int LEVEL_END_Y = 48;
// The tank: full at a life start, at most this much after refuelling; a
// craft with no fuel left crashes.
constexpr int TANK_AT_START = 1000;
constexpr int TANK_MOST = 1030;

std::vector<LevelObject> Depots(int level_index)
{
    std::vector<LevelObject> depots;
    for (int r = 0; r < LevelObjectCount(level_index); ++r) {
        const LevelObject& row = level_objects[level_index][r];
        if (row.kind == OBJECT_FUEL_DEPOT) depots.push_back(row);
    }
    return depots;
}

// Whether a craft centred at world y, lined up with the depot, refuels from it.
bool Refuels(const LevelObject& depot, int craft_y)
{
    return RectsOverlap(depot.x - 24, depot.y - 48, 48, 96, depot.x - CRAFT_WIDTH / 2,
                        craft_y - CRAFT_HEIGHT / 2, CRAFT_WIDTH, CRAFT_HEIGHT) == 1;
}

struct Climb {
    int lowest_fuel;    // must stay above 0
    int worst_y;        // where the fuel is lowest
    int longest_dry;    // the most pixels climbed in a row without a depot
};

// Climbs the level a pixel at a time, burning one unit a pixel and filling the
// tank over every depot.
Climb ClimbLevel(int level_index)
{
    const std::vector<LevelObject> depots = Depots(level_index);
    Climb climb{TANK_AT_START, CRAFT_START_Y, 0};
    int fuel = TANK_AT_START;
    int dry = 0;
    for (int y = CRAFT_START_Y - 1; y >= LEVEL_END_Y; --y) {
        const bool over_depot = std::any_of(depots.begin(), depots.end(),
                                            [y](const LevelObject& d) { return Refuels(d, y); });
        fuel = over_depot ? TANK_MOST : fuel - 1;
        dry = over_depot ? 0 : dry + 1;
        climb.longest_dry = std::max(climb.longest_dry, dry);
        if (fuel < climb.lowest_fuel) {
            climb.lowest_fuel = fuel;
            climb.worst_y = y;
        }
    }
    return climb;
}

}  // namespace

TEST(LevelTable, RowsOfEachKindPerLevel)
{
    const int counts[LEVEL_COUNT] = {20, 20, 25, 25, 30, 30, 30, 30, 30, 30};
    for (int l = 0; l < LEVEL_COUNT; ++l) {
        EXPECT_EQ(level_object_counts[l], counts[l]);
        std::array<KindCount, KINDS> found{};
        for (int r = 0; r < level_object_counts[l]; ++r) {
            const LevelObject& row = level_objects[l][r];
            ASSERT_TRUE(row.kind >= 0 && row.kind < KINDS) << "level " << l + 1 << " row " << r;
            found[row.kind].rows += 1;
            found[row.kind].firing += row.fires;
        }
        for (int k = 0; k < KINDS; ++k) {
            EXPECT_EQ(found[k].rows, EXPECTED[l][k].rows) << "level " << l + 1 << " kind " << k;
            EXPECT_EQ(found[k].firing, EXPECTED[l][k].firing) << "level " << l + 1 << " kind " << k;
        }
    }
}

TEST(LevelTable, RowsRiseInYWithinTheRiverAndUnusedRowsAreZero)
{
    for (int l = 0; l < LEVEL_COUNT; ++l) {
        for (int r = 0; r < LEVEL_OBJECT_ROWS; ++r) {
            const LevelObject& row = level_objects[l][r];
            if (r >= level_object_counts[l]) {
                EXPECT_EQ(row.kind | row.fires | row.x | row.y, 0) << l + 1 << " row " << r;
                continue;
            }
            EXPECT_TRUE(row.x >= 180 && row.x <= 300) << l + 1 << " row " << r;
            EXPECT_TRUE(row.y >= 180 && row.y <= 3680) << l + 1 << " row " << r;
            if (r > 0) {
                EXPECT_GT(row.y, level_objects[l][r - 1].y) << l + 1 << " row " << r;
            }
            if (row.kind == OBJECT_FUEL_DEPOT) {
                EXPECT_EQ(row.fires, 0);
            }
        }
    }
}

TEST(LevelTable, TheTwoDepotsPutBackAndTheirNeighbours)
{
    const LevelObject& level4 = level_objects[3][20];
    EXPECT_EQ(level4.kind, OBJECT_FUEL_DEPOT);
    EXPECT_EQ(level4.x, 230);
    EXPECT_EQ(level4.y, 2940);
    const LevelObject& level10 = level_objects[9][18];
    EXPECT_EQ(level10.kind, OBJECT_FUEL_DEPOT);
    EXPECT_EQ(level10.x, 300);
    EXPECT_EQ(level10.y, 2360);
    EXPECT_EQ(level_objects[9][24].kind, OBJECT_FUEL_DEPOT);
    EXPECT_EQ(level_objects[8][18].kind, OBJECT_FUEL_DEPOT);
}

TEST(LevelTable, CountOutsideTheTablesIsZero)
{
    EXPECT_EQ(LevelObjectCount(-1), 0);
    EXPECT_EQ(LevelObjectCount(LEVEL_COUNT), 0);
    EXPECT_EQ(LevelObjectCount(1 << 30), 0);
    EXPECT_EQ(LevelObjectCount(0), 20);
    EXPECT_EQ(LevelObjectCount(9), 30);
}

TEST(LevelTable, EveryLevelCanBeClimbedOnTheFuelItsDepotsGive)
{
    for (int l = 0; l < LEVEL_COUNT; ++l) {
        const Climb climb = ClimbLevel(l);
        EXPECT_LT(climb.longest_dry, TANK_MOST) << "level " << l + 1;
        EXPECT_GT(climb.lowest_fuel, 0) << "level " << l + 1 << " runs dry at world y "
                                        << climb.worst_y << " after a climb of "
                                        << climb.longest_dry << " pixels without fuel";
    }
}

TEST(LevelTable, RefuellingReachMatchesTheOverlapRule)
{
    // The depot's box reaches a craft lined up with it from 59 pixels above
    // to 47 below its centre, so level 1's longest dry climb runs from the
    // start to y 3138, just short of the depot at 3090: 669 pixels burnt.
    const LevelObject depot{OBJECT_FUEL_DEPOT, 0, 230, 3090};
    EXPECT_TRUE(Refuels(depot, 3137));
    EXPECT_FALSE(Refuels(depot, 3138));
    EXPECT_TRUE(Refuels(depot, 3031));
    EXPECT_FALSE(Refuels(depot, 3030));
    const Climb climb = ClimbLevel(0);
    EXPECT_EQ(climb.lowest_fuel, TANK_AT_START - 669);
    EXPECT_EQ(climb.worst_y, 3138);
    EXPECT_EQ(climb.longest_dry, 669);
}

// The tile sheet against the river map: banks only in the bank colours,
// neighbours that join, and one river from the bottom of the map to the top.
#include <gtest/gtest.h>

#include <deque>

#include "game/terrain.h"
#include "tests/assets/asset_files.h"

namespace {

class River : public ::testing::Test {
protected:
    void SetUp() override {
        Picture sheet;
        ASSERT_TRUE(LoadPicture("art/world.bmp", &sheet));
        for (int t = 0; t < TILE_COUNT; ++t) tiles.push_back(Cell(sheet, t % 4, t / 4, TILE_SIZE, TILE_SIZE));
    }
    const Picture& TileAt(int row, int column) const { return tiles[size_t(river_map[row][column] - '0')]; }
    // Land (1) or water (0) of every world pixel, as the collision scan sees it.
    std::vector<uint8_t> LandOfWorld() const {
        std::vector<uint8_t> land(size_t(WORLD_WIDTH) * WORLD_HEIGHT);
        for (int y = 0; y < WORLD_HEIGHT; ++y)
            for (int x = 0; x < WORLD_WIDTH; ++x)
                land[size_t(y) * WORLD_WIDTH + size_t(x)] =
                    IsLand(TileAt(y / TILE_SIZE, x / TILE_SIZE).At(x % TILE_SIZE, y % TILE_SIZE));
        return land;
    }
    std::vector<Picture> tiles;
};

}  // namespace

TEST_F(River, TilesUseNoTransparentPixelAndPlainTilesAreAllLandOrAllWater) {
    for (int t = 0; t < TILE_COUNT; ++t)
        for (uint8_t p : tiles[size_t(t)].pixels) ASSERT_NE(p, 0) << "tile " << t;
    for (uint8_t p : tiles[30].pixels) ASSERT_TRUE(IsLand(p));
    for (uint8_t p : tiles[31].pixels) ASSERT_FALSE(IsLand(p));
}

TEST_F(River, LandAndWaterKeepToTheirOwnColours) {
    // Water colours are blues; land and bank colours are never blue.
    const Picture& water = tiles[31];
    for (int i = 197; i <= 230; ++i) {
        const PaletteEntry& e = water.palette[size_t(i)];
        EXPECT_FALSE(e.blue > e.red && e.blue > e.green) << "bank colour " << i << " looks like water";
    }
    for (uint8_t p : water.pixels) {
        const PaletteEntry& e = water.palette[p];
        ASSERT_TRUE(e.blue >= e.red && e.blue >= e.green) << "water colour " << int(p) << " is not blue";
    }
    for (int t = 0; t < TILE_COUNT; ++t)
        for (uint8_t p : tiles[size_t(t)].pixels) {
            const PaletteEntry& e = water.palette[p];
            bool blue = e.blue > e.red && e.blue > e.green;
            ASSERT_NE(blue, IsLand(p)) << "tile " << t << " colour " << int(p);
        }
}

TEST_F(River, NeighboursJoinAlongEverySharedEdge) {
    for (int r = 0; r < MAP_ROWS; ++r)
        for (int c = 0; c < MAP_COLUMNS; ++c) {
            const Picture& a = TileAt(r, c);
            if (r + 1 < MAP_ROWS) {
                const Picture& b = TileAt(r + 1, c);
                int differ = 0;
                for (int x = 0; x < TILE_SIZE; ++x) differ += IsLand(a.At(x, TILE_SIZE - 1)) != IsLand(b.At(x, 0));
                EXPECT_LE(differ, 2) << "row " << r << " column " << c << " over the one below";
            }
            if (c + 1 < MAP_COLUMNS) {
                const Picture& b = TileAt(r, c + 1);
                int differ = 0;
                for (int y = 0; y < TILE_SIZE; ++y) differ += IsLand(a.At(TILE_SIZE - 1, y)) != IsLand(b.At(0, y));
                EXPECT_LE(differ, 2) << "row " << r << " column " << c << " beside the one right";
            }
        }
}

TEST_F(River, OneChannelRunsFromTheBottomRowToTheTop) {
    std::vector<uint8_t> land = LandOfWorld();
    std::vector<uint8_t> seen(land.size(), 0);
    std::deque<int> queue;
    for (int x = 0; x < WORLD_WIDTH; ++x) {
        size_t i = size_t(WORLD_HEIGHT - 1) * WORLD_WIDTH + size_t(x);
        if (!land[i]) seen[i] = 1, queue.push_back(int(i));
    }
    ASSERT_FALSE(queue.empty());
    while (!queue.empty()) {
        int i = queue.front();
        queue.pop_front();
        int x = i % WORLD_WIDTH, y = i / WORLD_WIDTH;
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            int nx = x + dx[k], ny = y + dy[k];
            if (nx < 0 || ny < 0 || nx >= WORLD_WIDTH || ny >= WORLD_HEIGHT) continue;
            size_t n = size_t(ny) * WORLD_WIDTH + size_t(nx);
            if (!land[n] && !seen[n]) seen[n] = 1, queue.push_back(int(n));
        }
    }
    bool reaches_top = false;
    for (int x = 0; x < WORLD_WIDTH; ++x) reaches_top |= seen[size_t(x)] != 0;
    EXPECT_TRUE(reaches_top);
    size_t ponds = 0;
    for (size_t i = 0; i < land.size(); ++i) ponds += !land[i] && !seen[i];
    EXPECT_EQ(ponds, 0u) << "water cut off from the river";
}

TEST_F(River, ColumnFourIsOpenWaterInEveryRow) {
    std::vector<uint8_t> land = LandOfWorld();
    for (int y = 0; y < WORLD_HEIGHT; ++y)
        for (int x = 4 * TILE_SIZE; x < 5 * TILE_SIZE; ++x)
            ASSERT_FALSE(land[size_t(y) * WORLD_WIDTH + size_t(x)]) << "x " << x << " y " << y;
}

TEST_F(River, TheBridgeRestsOnTheBankInTheMiddleOfColumnsThreeAndFive) {
    // The bridge spans world x 224 to 351 across row 0: its ends stand on
    // land and it crosses open water, at the row's lower edge too.
    std::vector<uint8_t> land = LandOfWorld();
    const int y = TILE_SIZE - 1;
    auto land_at = [&](int x) { return land[size_t(y) * WORLD_WIDTH + size_t(x)] != 0; };
    EXPECT_TRUE(land_at(222));
    EXPECT_FALSE(land_at(226));
    EXPECT_FALSE(land_at(349));
    EXPECT_TRUE(land_at(353));
}

#include "tools/assetgen/river_shapes.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "game/terrain.h"

namespace {

// The point where half edge i ends and half edge i + 1 begins.
constexpr double kPointX[8] = {32, 64, 64, 64, 32, 0, 0, 0};
constexpr double kPointY[8] = {0, 0, 32, 64, 64, 64, 32, 0};
// Half edge i seen in the mirror image of a tile.
constexpr int kMirror[8] = {1, 0, 7, 6, 5, 4, 3, 2};
constexpr int TILE_BRIDGE_RIGHT = 28;  // "L": the bridge's right end rests here
constexpr int TILE_BRIDGE_LEFT = 29;   // "M": and its left end here

int TileAt(int row, int column) { return river_map[row][column] - '0'; }

double BankCost(const TileEdges& e) {
    BankLine b = BankOf(e);
    if (b.ends == 0) return 200;  // a bank piece without a bank
    if (b.ends != 2) return 1000;
    double len = std::hypot(b.x1 - b.x0, b.y1 - b.y0);
    bool on_edge = (b.x0 == b.x1 && (b.x0 == 0 || b.x0 == 64)) || (b.y0 == b.y1 && (b.y0 == 0 || b.y0 == 64));
    if (on_edge && len < 64) return 500;  // a sliver with no area
    return len;
}

std::array<TileEdges, 32> Deduce() {
    // Half edges that the map forces to be equal share one class.
    std::vector<int> parent(32 * 8);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int v) {
        while (parent[v] != v) v = parent[v] = parent[parent[v]];
        return v;
    };
    auto join = [&](int t, int i, int u, int j) { parent[find(t * 8 + i)] = find(u * 8 + j); };
    std::array<int, 32> uses{};
    for (int r = 0; r < MAP_ROWS; ++r)
        for (int c = 0; c < MAP_COLUMNS; ++c) {
            int t = TileAt(r, c);
            uses[t]++;
            if (r + 1 < MAP_ROWS) {
                int u = TileAt(r + 1, c);
                join(t, 5, u, 0);
                join(t, 4, u, 1);
            }
            if (c + 1 < MAP_COLUMNS) {
                int u = TileAt(r, c + 1);
                join(t, 2, u, 7);
                join(t, 3, u, 6);
            }
        }
    std::vector<int> value(32 * 8, -1);
    auto force = [&](int t, int i, int v) {
        int cls = find(t * 8 + i);
        if (value[cls] >= 0 && value[cls] != v) throw std::runtime_error("river map contradicts itself");
        value[cls] = v;
    };
    for (int i = 0; i < 8; ++i) {
        force(TILE_LAND, i, 0);
        force(TILE_WATER, i, 1);
    }
    // The bridge's ends rest on the bank in the middle of their columns.
    force(TILE_BRIDGE_LEFT, 4, 1);
    force(TILE_BRIDGE_LEFT, 5, 0);
    force(TILE_BRIDGE_RIGHT, 4, 0);
    force(TILE_BRIDGE_RIGHT, 5, 1);

    std::vector<int> free_classes;
    for (int t = 0; t < 32; ++t) {
        if (!uses[t]) continue;
        for (int i = 0; i < 8; ++i) {
            int cls = find(t * 8 + i);
            if (value[cls] < 0 && std::find(free_classes.begin(), free_classes.end(), cls) == free_classes.end())
                free_classes.push_back(cls);
        }
    }
    if (free_classes.size() > 24) throw std::runtime_error("too many open bank choices");

    std::array<TileEdges, 32> best{};
    double best_cost = -1;
    for (uint32_t combo = 0; combo < (1u << free_classes.size()); ++combo) {
        for (size_t k = 0; k < free_classes.size(); ++k) value[free_classes[k]] = int((combo >> k) & 1);
        std::array<TileEdges, 32> edges{};
        for (int t = 0; t < 32; ++t)
            for (int i = 0; i < 8; ++i) edges[t][i] = uses[t] ? value[find(t * 8 + i)] : 0;
        // The two rests of the bridge mirror each other.
        bool mirrored = true;
        for (int i = 0; i < 8; ++i) mirrored &= edges[TILE_BRIDGE_LEFT][i] == edges[TILE_BRIDGE_RIGHT][kMirror[i]];
        if (!mirrored) continue;
        double cost = 0;
        for (int t = 0; t < 32; ++t)
            if (uses[t] && t != TILE_LAND && t != TILE_WATER) cost += uses[t] * BankCost(edges[t]);
        if (best_cost < 0 || cost < best_cost) {
            best_cost = cost;
            best = edges;
        }
    }
    if (best_cost < 0) throw std::runtime_error("no bank shapes fit the river map");
    return best;
}

}  // namespace

BankLine BankOf(const TileEdges& e) {
    BankLine b{};
    std::vector<int> changes;
    for (int i = 0; i < 8; ++i)
        if (e[i] != e[(i + 1) % 8]) changes.push_back(i);
    b.ends = int(changes.size());
    b.all_water = e[0];
    if (b.ends == 2) {
        b.x0 = kPointX[changes[0]];
        b.y0 = kPointY[changes[0]];
        b.x1 = kPointX[changes[1]];
        b.y1 = kPointY[changes[1]];
    }
    return b;
}

const std::array<TileEdges, 32>& TileEdgeTable() {
    static const std::array<TileEdges, 32> table = Deduce();
    return table;
}

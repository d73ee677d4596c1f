// The river's tile sheet. Land and water share one texture that repeats
// every tile, so neighbours join without seams; each bank piece cuts it
// along the bank line its place in the map calls for.
#include <array>
#include <cmath>
#include <iterator>

#include "game/terrain.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/palette.h"
#include "tools/assetgen/river_shapes.h"

namespace {

constexpr int T = TILE_SIZE;
constexpr double kPi = 3.14159265358979323846;
constexpr int kReach = 9;  // how far shallows and mud look for the other side

struct Feature {
    int x, y, kind;  // kind 0 tree, 1 bush, 2 rocks, 3 flowers
};
// Placed well inside the tile, so that no feature is cut by a tile edge;
// drawn in order, so later ones stand in front.
constexpr Feature kFeatures[] = {{24, 13, 1}, {14, 17, 0}, {23, 25, 1}, {44, 44, 1}, {51, 39, 1},
                                 {53, 13, 3}, {34, 35, 3}, {55, 56, 2}, {9, 44, 3},  {36, 56, 3}};

double FeatureRadius(const Feature& f) { return f.kind == 0 ? 7.5 : (f.kind == 1 ? 4.5 : 2.5); }

int Cell(const std::vector<int>& m, int x, int y) {
    x = x < 0 ? 0 : (x >= T ? T - 1 : x);
    y = y < 0 ? 0 : (y >= T ? T - 1 : y);
    return m[size_t(y * T + x)];
}

// Distance from (x, y) to the nearest pixel whose mask value is `want`,
// looking past the tile's edges as if the edge continued outwards.
double DistanceTo(const std::vector<int>& m, int x, int y, int want, int reach = kReach) {
    double best = reach + 1;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (Cell(m, x + dx, y + dy) == want) best = std::fmin(best, std::sqrt(double(dx * dx + dy * dy)));
    return best;
}

using FeatureSet = std::array<bool, std::size(kFeatures)>;

int LandColour(const FeatureSet& shown, int x, int y, double to_water) {
    if (to_water <= 1.5) return RAMP_MUD.Shade(1 + int(HashUnit(x, y, 7) * 2));
    if (to_water <= 3.5) return RAMP_MUD.Shade(2 + int(HashUnit(x, y, 8) * 3));
    // Features first, the front one (last in the list) winning; then the
    // shadows they cast down and to the right.
    for (size_t i = std::size(kFeatures); i-- > 0;) {
        const Feature& f = kFeatures[i];
        if (!shown[i]) continue;
        double r = FeatureRadius(f);
        double dx = x + 0.5 - f.x, dy = y + 0.5 - f.y;
        double d = std::sqrt(dx * dx + dy * dy);
        if (f.kind <= 1) {
            if (d <= r * (0.85 + 0.15 * std::sin(std::atan2(dy, dx) * 7 + f.x))) {
                double light = (-dx - dy) / r * 0.45 + 0.55 - d / r * 0.3 + HashUnit(x, y, 11) * 0.3;
                return RAMP_FOLIAGE.Shade(int(light * 6));
            }
        } else if (f.kind == 2) {
            if (std::fabs(dx) < 2.6 && std::fabs(dy) < 2.0) return RAMP_ROCK.Shade(dx + dy < 0 ? 4 : 2);
        } else {
            for (int k = 0; k < 4; ++k) {
                int fx = f.x + int(HashUnit(k, f.y, 21) * 9) - 4, fy = f.y + int(HashUnit(k, f.x, 22) * 9) - 4;
                if (x == fx && y == fy) return k % 2 ? PAL_FLOWER_YELLOW : PAL_FLOWER_PINK;
            }
        }
    }
    for (size_t i = 0; i < std::size(kFeatures); ++i) {
        const Feature& f = kFeatures[i];
        if (!shown[i] || f.kind == 3) continue;
        double sx = x + 0.5 - f.x - 2, sy = y + 0.5 - f.y - 2.5;
        if (std::sqrt(sx * sx + sy * sy) <= FeatureRadius(f) * (f.kind == 2 ? 0.9 : 0.95)) return RAMP_GRASS.Shade(0);
    }
    double n = TileNoise(x, y, 32, T, 3) * 0.3 + TileNoise(x, y, 8, T, 4) * 0.35 + TileNoise(x, y, 4, T, 6) * 0.2 +
               HashUnit(x, y, 5) * 0.3;
    if (to_water <= 5.5) n -= 0.25;
    return RAMP_GRASS.Shade(2 + int(n * 6.5));
}

int WaterColour(int x, int y, double to_land) {
    double wave = std::sin(2 * kPi * (x + 2 * y) / T) * 0.35 + std::sin(2 * kPi * (2 * x - y) / T) * 0.25;
    double n = TileNoise(x, y, 16, T, 9) * 0.9 + TileNoise(x, y, 8, T, 14) * 0.6 + HashUnit(x, y, 10) * 0.35;
    double shade = 6 + wave + n;
    // Short ripples catching the light.
    int rx = x / 4;
    if (HashUnit(rx % 16, y, 12) > 0.93 && y % 3 == 0) shade = 10.5 + HashUnit(rx, y, 15);
    if (to_land <= 7) shade += (7.5 - to_land) * 1.1;
    if (to_land <= 1.5) shade = 20 + HashUnit(x, y, 13) * 2;
    return RAMP_WATER.Shade(int(shade));
}

}  // namespace

std::vector<int> TileWaterMask(int tile) {
    std::vector<int> mask(size_t(T * T), 0);
    BankLine b = BankOf(TileEdgeTable()[size_t(tile)]);
    if (b.ends != 2) {
        if (b.all_water) mask.assign(mask.size(), 1);
        return mask;
    }
    double ux = b.x1 - b.x0, uy = b.y1 - b.y0;
    double len = std::hypot(ux, uy);
    ux /= len;
    uy /= len;
    // Signed distance from the bank, positive on the water side.
    auto side = [&](double px, double py) { return (px - b.x0) * -uy + (py - b.y0) * ux; };
    const TileEdges& e = TileEdgeTable()[size_t(tile)];
    constexpr double kMidX[8] = {16, 48, 64, 64, 48, 16, 0, 0};
    constexpr double kMidY[8] = {0, 0, 16, 48, 64, 64, 48, 16};
    double sign = 1;
    for (int i = 0; i < 8; ++i)
        if (e[size_t(i)] && std::fabs(side(kMidX[i], kMidY[i])) > 1) sign = side(kMidX[i], kMidY[i]) > 0 ? 1 : -1;
    bool on_edge = (b.x0 == b.x1 && (b.x0 == 0 || b.x0 == T)) || (b.y0 == b.y1 && (b.y0 == 0 || b.y0 == T));
    double p1 = HashUnit(tile, 1, 31) * 2 * kPi, p2 = HashUnit(tile, 2, 31) * 2 * kPi;
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double t = ((px - b.x0) * ux + (py - b.y0) * uy) / len;
            t = t < 0 ? 0 : (t > 1 ? 1 : t);
            double swing = std::sin(kPi * t) * (0.6 * std::sin(3 * kPi * t + p1) + 0.4 * std::sin(6 * kPi * t + p2));
            double d = side(px, py) * sign;
            // A bank along a tile edge keeps a thin shore inside this tile.
            bool water = on_edge ? d > 0.9 + std::sin(kPi * t) * (1.8 + 1.6 * swing) : d > 2.2 * swing;
            mask[size_t(y * T + x)] = water;
        }
    return mask;
}

Canvas DrawTile(int tile) {
    std::vector<int> mask = TileWaterMask(tile);
    FeatureSet shown{};
    for (size_t i = 0; i < std::size(kFeatures); ++i)
        shown[i] = DistanceTo(mask, kFeatures[i].x, kFeatures[i].y, 1, 16) > FeatureRadius(kFeatures[i]) + 4;
    Canvas c = MakeCanvas(T, T);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            if (mask[size_t(y * T + x)])
                SetPixel(c, x, y, WaterColour(x, y, DistanceTo(mask, x, y, 0)));
            else
                SetPixel(c, x, y, LandColour(shown, x, y, DistanceTo(mask, x, y, 1)));
        }
    return c;
}

Canvas DrawTileSheet() {
    std::vector<Canvas> tiles;
    for (int t = 0; t < TILE_COUNT; ++t) tiles.push_back(DrawTile(t));
    return MakeSheet(tiles, TILE_SHEET_COLUMNS, PAL_BLACK);
}

Canvas DrawRiverMap() {
    std::vector<Canvas> tiles;
    for (int t = 0; t < TILE_COUNT; ++t) tiles.push_back(DrawTile(t));
    Canvas map = MakeCanvas(WORLD_WIDTH, WORLD_HEIGHT);
    for (int r = 0; r < MAP_ROWS; ++r)
        for (int col = 0; col < MAP_COLUMNS; ++col) Blit(map, tiles[size_t(river_map[r][col] - '0')], col * T, r * T);
    return map;
}

#include "tools/assetgen/noise.h"

#include <cmath>

uint32_t Hash3(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ uint32_t(seed) * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double HashUnit(int x, int y, int seed) { return (Hash3(x, y, seed) >> 8) / double(1 << 24); }

double TileNoise(double x, double y, int cell, int period, int seed) {
    int n = period / cell;
    double fx = x / cell, fy = y / cell;
    int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return HashUnit(((i % n) + n) % n, ((j % n) + n) % n, seed); };
    double a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double Random::Unit() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) / double(1 << 24);
}

double Random::Signed() { return Unit() * 2.0 - 1.0; }

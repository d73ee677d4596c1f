// The bank line of every tile, worked out from the river map alone.
//
// A tile's rim is cut into eight half edges, clockwise from the top edge's
// left half: top-left, top-right, right-top, right-bottom, bottom-right,
// bottom-left, left-bottom, left-top. Each half edge is land or water, and
// neighbours in the map must agree on the half edges they share. Where the
// material changes between two half edges (at a corner or an edge
// midpoint) the bank starts or ends, and the bank is the straight line
// between those two points: along a tile edge, a diagonal, or a line
// through an edge midpoint.
#pragma once
#include <array>

constexpr int TILE_LAND = 30;
constexpr int TILE_WATER = 31;

using TileEdges = std::array<int, 8>;  // 1 = water on that half edge

struct BankLine {
    int ends;  // 0 = no bank (all land or all water), 2 = one straight bank
    double x0, y0, x1, y1;
    int all_water;  // for ends == 0
};

// The half edges of tiles 0..31 that make the map join everywhere, with
// the simplest banks: the shortest total bank length over the whole map.
const std::array<TileEdges, 32>& TileEdgeTable();
BankLine BankOf(const TileEdges& edges);

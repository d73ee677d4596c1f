// Where the craft's centre may be, row by row of the world, without its bank
// test finding land: worked out once from the loaded tiles and the river map.
#pragma once

// Centre x from left to right, both included; empty when left > right.
struct CraftSpan {
    int left;
    int right;
};

// Reads the terrain tiles of the running game; tiles that did not load count
// as open water.
void BuildCraftSpans();
// The opening at this world row of the craft's centre nearest to near_x. Rows
// outside the world are open.
CraftSpan CraftSpanAt(int world_y, int near_x);

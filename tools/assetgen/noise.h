// Deterministic noise, so that every build draws the same pixels.
#pragma once
#include <cstdint>

// A well-mixed 32-bit hash of three integers.
uint32_t Hash3(int x, int y, int seed);
// Uniform in [0, 1).
double HashUnit(int x, int y, int seed);
// Smooth value noise in [0, 1) that repeats every `period` pixels in both
// directions; `cell` must divide `period`.
double TileNoise(double x, double y, int cell, int period, int seed);

// A small generator for the sounds.
struct Random {
    uint32_t state;
    double Unit();    // [0, 1)
    double Signed();  // [-1, 1)
};

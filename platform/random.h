// The game's pseudo-random generator. It is its own rather than the C
// library's so that a demo recorded on one platform plays the same game on
// every other: the sequence is the GNU C library's default rand() after
// srand(seed), with its RAND_MAX.
#pragma once

#include <cstdint>

namespace wavedart {

constexpr int RANDOM_MAX = 2147483647;

void srand(uint32_t seed);

// 0 to RANDOM_MAX. Before any seeding the sequence is the one of seed 1.
int rand();

}  // namespace wavedart

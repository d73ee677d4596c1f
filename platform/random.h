// The game's pseudo-random generator. It is its own rather than the C
// library's so that a demo recorded on one platform plays the same game on
// every other: the sequence is the GNU C library's default rand() after
// srand(seed), with its RAND_MAX.
#pragma once

#include <cstdint>

namespace wavedart {

constexpr int RANDOM_MAX = 2147483647;
// An additive feedback generator, r[i] = r[i-3] + r[i-31] over 32-bit words,
// held as the last 31 words with the places of r[i-3] and r[i-31] in them.
constexpr int RANDOM_DEGREE = 31;
constexpr int RANDOM_SEPARATION = 3;

struct RandomState {
    uint32_t words[RANDOM_DEGREE];
    int front;
    int rear;
};

void srand(uint32_t seed);

// 0 to RANDOM_MAX. Before any seeding the sequence is the one of seed 1.
int rand();

// Where the sequence stands, to go on from there later, in this run or in
// another on any platform.
RandomState SaveRandom();
// Goes on from a saved place. A state that the generator cannot be in (front
// and rear out of range or not RANDOM_SEPARATION apart) is refused with 0.
int RestoreRandom(const RandomState& state);
int IsRandomState(const RandomState& state);

}  // namespace wavedart

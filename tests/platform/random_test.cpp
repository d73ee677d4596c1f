// The game's generator gives the GNU C library's sequence, so demos recorded
// with the C library's rand replay unchanged on every platform.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "platform/random.h"

#ifdef __GLIBC__

TEST(RandomTest, SequenceIsTheCLibrarys)
{
    static_assert(wavedart::RANDOM_MAX == RAND_MAX);
    // The ends of the seed range, seeds whose signed reading is negative,
    // and a spread over the whole range.
    uint32_t seeds[264] = {0, 1, 2, 127773, 2147483646, 2147483647, 2147483648u, 4294967295u};
    for (uint32_t i = 8; i < 264; ++i) seeds[i] = i * 16777259u;
    for (const uint32_t seed : seeds) {
        std::srand(seed);
        wavedart::srand(seed);
        for (int draw = 0; draw < 1000; ++draw) {
            ASSERT_EQ(wavedart::rand(), std::rand()) << "seed " << seed << " draw " << draw;
        }
    }
}

#endif

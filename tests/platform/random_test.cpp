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

TEST(RandomTest, ASavedPlaceGoesOnWithTheSameSequenceAndImpossibleOnesAreRefused)
{
    wavedart::srand(2002);
    for (int draw = 0; draw < 100; ++draw) wavedart::rand();
    const wavedart::RandomState saved = wavedart::SaveRandom();
    int ahead[50];
    for (int& value : ahead) value = wavedart::rand();
    wavedart::srand(7);
    ASSERT_EQ(wavedart::RestoreRandom(saved), 1);
    for (int value : ahead) EXPECT_EQ(wavedart::rand(), value);

    const wavedart::RandomState now = wavedart::SaveRandom();
    const int next = wavedart::rand();
    struct Places {
        int front;
        int rear;
    };
    for (const Places places : {Places{3, 1}, Places{31, 28}, Places{-1, 27}, Places{2, 29}, Places{0, 0}}) {
        wavedart::RandomState bad = saved;
        bad.front = places.front;
        bad.rear = places.rear;
        EXPECT_EQ(wavedart::RestoreRandom(bad), 0) << places.front << ' ' << places.rear;
    }
    wavedart::RandomState wrapped = saved;
    wrapped.front = 1;
    wrapped.rear = 29;
    EXPECT_EQ(wavedart::IsRandomState(wrapped), 1);
    ASSERT_EQ(wavedart::RestoreRandom(now), 1);
    EXPECT_EQ(wavedart::rand(), next);
}

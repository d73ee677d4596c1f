#include "platform/random.h"

using wavedart::RANDOM_DEGREE;
using wavedart::RANDOM_SEPARATION;
using wavedart::RandomState;

namespace {

constexpr int RANDOM_WARM_UP = 10 * RANDOM_DEGREE;

constexpr int Step(RandomState& state)
{
    const uint32_t word = state.words[state.front] += state.words[state.rear];
    state.front = (state.front + 1) % RANDOM_DEGREE;
    state.rear = (state.rear + 1) % RANDOM_DEGREE;
    return static_cast<int>(word >> 1);
}

constexpr RandomState Seeded(uint32_t seed)
{
    RandomState state{};
    // The seed is taken as a signed 32-bit word, 0 counting as 1; the table is
    // filled by 16807 * word mod (2^31 - 1), computed without overflow by
    // Schrage's method on those signed words.
    int32_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
    state.words[0] = static_cast<uint32_t>(word);
    for (int i = 1; i < RANDOM_DEGREE; ++i) {
        const int32_t high = word / 127773;
        const int32_t low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0) word += wavedart::RANDOM_MAX;
        state.words[i] = static_cast<uint32_t>(word);
    }
    state.front = RANDOM_SEPARATION;
    state.rear = 0;
    for (int i = 0; i < RANDOM_WARM_UP; ++i) Step(state);
    return state;
}

RandomState random_state = Seeded(1);

}  // namespace

void wavedart::srand(uint32_t seed)
{
    random_state = Seeded(seed);
}

int wavedart::rand()
{
    return Step(random_state);
}

wavedart::RandomState wavedart::SaveRandom()
{
    return random_state;
}

int wavedart::IsRandomState(const RandomState& state)
{
    const bool in_range = state.front >= 0 && state.front < RANDOM_DEGREE && state.rear >= 0 &&
                          state.rear < RANDOM_DEGREE;
    return in_range && (state.rear + RANDOM_SEPARATION) % RANDOM_DEGREE == state.front;
}

int wavedart::RestoreRandom(const RandomState& state)
{
    if (!IsRandomState(state)) return 0;
    random_state = state;
    return 1;
}

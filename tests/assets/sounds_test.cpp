// The five sounds: the WAVE layout the sound loader walks, the format it
// plays every buffer in, lengths, headroom and seamless loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tests/assets/asset_files.h"

namespace {

constexpr const char* kSounds[] = {"sounds/engine.wav", "sounds/fueling.wav", "sounds/fuel_low.wav",
                                   "sounds/missle.wav", "sounds/explosion.wav"};

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
int U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
bool Tag(const std::vector<uint8_t>& b, size_t at, const char* tag) {
    return b.size() >= at + 4 && std::equal(tag, tag + 4, b.begin() + long(at));
}

// The samples of a file laid out as RIFF, WAVE, a 16-byte "fmt " chunk
// then "data"; empty when the layout is anything else.
std::vector<uint8_t> Samples(const char* name) {
    std::vector<uint8_t> b = ReadWholeFile(DataPath(name));
    if (b.size() < 44 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE") || !Tag(b, 12, "fmt ") || U32(b, 16) != 16 ||
        !Tag(b, 36, "data"))
        return {};
    uint32_t n = U32(b, 40);
    if (44 + size_t(n) > b.size()) return {};
    return std::vector<uint8_t>(b.begin() + 44, b.begin() + 44 + long(n));
}

int Step(const std::vector<uint8_t>& s, size_t i) { return std::abs(int(s[(i + 1) % s.size()]) - int(s[i])); }

// The jump from the last sample back to the first is no bigger than what
// the sound does from one sample to the next nearly everywhere inside.
void ExpectSeamlessLoop(const char* name) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> s = Samples(name);
    ASSERT_GT(s.size(), 100u);
    std::vector<int> steps;
    for (size_t i = 0; i + 1 < s.size(); ++i) steps.push_back(Step(s, i));
    std::sort(steps.begin(), steps.end());
    int typical = steps[steps.size() * 95 / 100];
    EXPECT_LE(Step(s, s.size() - 1), std::max(typical, 2));
}

double Seconds(const std::vector<uint8_t>& s) { return double(s.size()) / 11025.0; }

}  // namespace

TEST(Sounds, EveryFileIsEightBitMonoPcmAt11025) {
    for (const char* name : kSounds) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> b = ReadWholeFile(DataPath(name));
        ASSERT_GE(b.size(), 44u);
        EXPECT_TRUE(Tag(b, 0, "RIFF"));
        EXPECT_EQ(U32(b, 4) + 8, b.size());
        EXPECT_TRUE(Tag(b, 8, "WAVE"));
        EXPECT_TRUE(Tag(b, 12, "fmt "));
        EXPECT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1);        // PCM
        EXPECT_EQ(U16(b, 22), 1);        // mono
        EXPECT_EQ(U32(b, 24), 11025u);   // samples per second
        EXPECT_EQ(U32(b, 28), 11025u);   // bytes per second
        EXPECT_EQ(U16(b, 32), 1);        // block alignment
        EXPECT_EQ(U16(b, 34), 8);        // bits per sample
        EXPECT_FALSE(Samples(name).empty());
    }
}

TEST(Sounds, NothingClipsAndEverySoundIsAudible) {
    for (const char* name : kSounds) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> s = Samples(name);
        ASSERT_FALSE(s.empty());
        auto [lo, hi] = std::minmax_element(s.begin(), s.end());
        EXPECT_GT(*lo, 0);
        EXPECT_LT(*hi, 255);
        EXPECT_GT(*hi - *lo, 120) << "too quiet";
    }
}

TEST(Sounds, ShotsAreShortAndTheExplosionLastsAboutASecond) {
    EXPECT_LT(Seconds(Samples("sounds/missle.wav")), 0.5);
    EXPECT_GT(Seconds(Samples("sounds/missle.wav")), 0.05);
    double boom = Seconds(Samples("sounds/explosion.wav"));
    EXPECT_GT(boom, 0.7);
    EXPECT_LT(boom, 1.5);
}

TEST(Sounds, LoopsWrapWithoutAClick) {
    ExpectSeamlessLoop("sounds/engine.wav");
    ExpectSeamlessLoop("sounds/fueling.wav");
    ExpectSeamlessLoop("sounds/fuel_low.wav");
}

TEST(Sounds, TheAlarmStaysAHighTwoToneAlarmAt6000Hz) {
    // Played at 6000 samples a second, as the game plays it.
    std::vector<uint8_t> s = Samples("sounds/fuel_low.wav");
    ASSERT_GT(s.size(), 400u);
    auto pitch = [&](size_t from, size_t to) {
        int crossings = 0;
        for (size_t i = from; i + 1 < to; ++i) crossings += (s[i] < 128) != (s[i + 1] < 128);
        return crossings / 2.0 / (double(to - from) / 6000.0);
    };
    size_t half = s.size() / 2;
    double first = pitch(half / 4, half * 3 / 4), second = pitch(half + half / 4, half + half * 3 / 4);
    EXPECT_GT(first, 400);
    EXPECT_GT(second, 400);
    EXPECT_GT(std::fabs(first - second), 80) << "one tone only";
    // The game restarts it every 30 ms frame while fuel is low, so the
    // first 180 samples (30 ms at 6000 Hz) must already be loud.
    int lo = 255, hi = 0;
    for (size_t i = 0; i < 180; ++i) lo = std::min(lo, int(s[i])), hi = std::max(hi, int(s[i]));
    EXPECT_GT(hi - lo, 120);
}

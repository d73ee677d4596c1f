// The mixer's cost: the time to mix one second of output with all 27 of the
// game's voices playing, as a share of that second.
//
// Usage: bench_mixer [output rate, default 48000] [seconds to mix, default 20]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "platform/audio.h"
#include "platform/headless/headless_audio.h"

namespace {

constexpr int VOICES = 27;
constexpr int SOUND_RATE = 11025;

}  // namespace

int main(int argc, char** argv)
{
    const int rate = argc > 1 ? std::atoi(argv[1]) : 48000;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    HeadlessSetAudioRate(rate);
    if (!PlatformOpenAudio()) return 1;

    // A second of noise-like tone per voice, at the rates and volumes the game
    // uses, so every voice interpolates and scales.
    std::vector<unsigned char> samples(SOUND_RATE);
    for (int i = 0; i < SOUND_RATE; ++i) {
        const double value = 128.0 + 90.0 * std::sin(2.0 * std::numbers::pi * 313.0 * i / SOUND_RATE) +
                             30.0 * std::sin(i * 0.77);
        samples[i] = static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 255.0)));
    }
    const int caps = PLATFORM_SOUND_CAN_SET_FREQUENCY | PLATFORM_SOUND_CAN_SET_VOLUME;
    PlatformSoundBuffer* first = PlatformCreateSoundBuffer(samples.data(), SOUND_RATE, SOUND_RATE, caps);
    for (int voice = 0; voice < VOICES; ++voice) {
        PlatformSoundBuffer* buffer = voice == 0 ? first : PlatformDuplicateSoundBuffer(first);
        PlatformSetSoundVolume(buffer, -300 * (voice % 10));
        PlatformSetSoundFrequency(buffer, voice == 2 ? 6000 : SOUND_RATE + voice);
        PlatformPlaySoundBuffer(buffer, 1);
    }

    std::vector<int16_t> out(static_cast<std::size_t>(rate));
    HeadlessMixAudio(out.data(), rate);
    double best = 1e9;
    double total = 0;
    for (int second = 0; second < seconds; ++second) {
        const auto start = std::chrono::steady_clock::now();
        HeadlessMixAudio(out.data(), rate);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
        total += spent.count();
    }
    std::printf("mixer: %d voices at %d Hz: one second of output mixed in %.3f ms mean, %.3f ms best\n",
                VOICES, rate, 1000.0 * total / seconds, 1000.0 * best);
    std::printf("mixer: share of one second: %.4f%% mean, %.4f%% best\n", 100.0 * total / seconds,
                100.0 * best);
    PlatformCloseAudio();
    return 0;
}

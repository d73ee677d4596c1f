// WAVE files built byte by byte, an open sound device on the headless
// mixer with a folder for them, and measures of the mixed output.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "sound/sound_device.h"

using Bytes = std::vector<uint8_t>;

constexpr int GAME_FLAGS = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
// A sample byte 64 above silence plays at this output level at full volume.
constexpr double LEVEL_64 = 64.0 * 256.0;
// Output samples that one WAVE sample lasts at the default headless rate.
constexpr int OUTPUT_PER_SAMPLE = HEADLESS_AUDIO_DEFAULT_RATE / 11025;

// A chunk whose size field says size (the body's own by default), padded when odd.
inline Bytes Chunk(const char* id, const Bytes& body, uint32_t size = UINT32_MAX)
{
    Bytes bytes(id, id + 4);
    size = size == UINT32_MAX ? uint32_t(body.size()) : size;
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(size >> (8 * i)));
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) bytes.push_back(0);
    return bytes;
}

inline Bytes Riff(const char* form_type, const std::vector<Bytes>& chunks)
{
    Bytes body(form_type, form_type + 4);
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

// A format chunk of 8 bits a sample, 16 bytes long (18 with the extra-size word).
inline Bytes Format(uint8_t format_tag = 1, uint8_t channels = 1, bool extra = false)
{
    Bytes body = {format_tag, 0, channels, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, channels, 0, 8, 0};
    if (extra) body.insert(body.end(), 2, 0);
    return Chunk("fmt ", body);
}

inline Bytes WaveFile(const Bytes& samples)
{
    return Riff("WAVE", {Format(), Chunk("data", samples)});
}

// A sine of amplitude 100 around silence, at 11025 samples a second.
inline Bytes Sine(int count, double frequency)
{
    Bytes samples;
    const double step = 2 * std::numbers::pi * frequency / 11025;
    for (int i = 0; i < count; ++i) samples.push_back(uint8_t(std::lround(128 + 100 * std::sin(step * i))));
    return samples;
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

inline std::vector<int16_t> Mix(int count)
{
    std::vector<int16_t> out(static_cast<std::size_t>(count));
    HeadlessMixAudio(out.data(), count);
    return out;
}

inline double MeanLevel(const std::vector<int16_t>& out)
{
    double sum = 0;
    for (const int16_t value : out) sum += value;
    return sum / static_cast<double>(out.size());
}

inline int PeakLevel(const std::vector<int16_t>& out)
{
    const auto [low, high] = std::minmax_element(out.begin(), out.end());
    return std::max(-int(*low), int(*high));
}

// Upward crossings of zero: one per period of a tone.
inline int RisingCrossings(const std::vector<int16_t>& out)
{
    int count = 0;
    for (std::size_t i = 1; i < out.size(); ++i) count += out[i - 1] < 0 && out[i] >= 0;
    return count;
}

// The gain that a volume in hundredths of a decibel should give.
inline double Gain(int hundredths_db)
{
    return std::pow(10.0, hundredths_db / 2000.0);
}

// Runs each test in a fresh folder with the device open.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/wavedart-sound-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ASSERT_EQ(OpenSoundDevice(), 1);
    }

    void TearDown() override
    {
        DeleteAllSounds();
        CloseSoundDevice();
        std::filesystem::remove_all(folder);
    }

    int Load(const Bytes& bytes, int flags = GAME_FLAGS)
    {
        const std::filesystem::path path = folder / ("sound" + std::to_string(file_count++) + ".wav");
        WriteBytes(path, bytes);
        return LoadWavSound(path.c_str(), flags);
    }

    std::filesystem::path folder;
    int file_count = 0;
};

// WAVE files built byte by byte, an open sound device on the headless
// mixer with a folder for them, and measures of the mixed output.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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

inline void PutLittleEndian(Bytes* bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A chunk whose size field says declared_size, with a pad byte when odd.
inline Bytes Chunk(const char* id, const Bytes& body, uint32_t declared_size = UINT32_MAX)
{
    Bytes bytes(id, id + 4);
    PutLittleEndian(&bytes, declared_size == UINT32_MAX ? uint32_t(body.size()) : declared_size, 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) bytes.push_back(0);
    return bytes;
}

inline Bytes RiffForm(const char* form_type, const std::vector<Bytes>& chunks)
{
    Bytes body(form_type, form_type + 4);
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

// A format chunk of 16 bytes (18 with the extra-size word), 8 bits a sample.
inline Bytes FormatChunk(uint16_t format_tag, uint16_t channels, uint32_t rate, bool extra = false)
{
    Bytes body;
    for (uint32_t value : {uint32_t(format_tag), uint32_t(channels)}) PutLittleEndian(&body, value, 2);
    PutLittleEndian(&body, rate, 4);
    PutLittleEndian(&body, rate * channels, 4);
    PutLittleEndian(&body, channels, 2);
    PutLittleEndian(&body, 8, 2);
    if (extra) PutLittleEndian(&body, 0, 2);
    return Chunk("fmt ", body);
}

// A complete 8-bit mono PCM WAVE file.
inline Bytes WaveFile(const Bytes& samples, uint32_t rate = 11025)
{
    return RiffForm("WAVE", {FormatChunk(1, 1, rate), Chunk("data", samples)});
}

inline Bytes Constant(int count, uint8_t value)
{
    return Bytes(static_cast<std::size_t>(count), value);
}

// A sine of amplitude 100 around silence.
inline Bytes Sine(int count, double frequency)
{
    Bytes samples;
    for (int i = 0; i < count; ++i) {
        const double phase = 2.0 * std::numbers::pi * frequency * i / 11025.0;
        samples.push_back(static_cast<uint8_t>(std::lround(128.0 + 100.0 * std::sin(phase))));
    }
    return samples;
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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
    int peak = 0;
    for (const int16_t value : out) peak = std::max(peak, std::abs(static_cast<int>(value)));
    return peak;
}

// Upward crossings of zero: one per period of a tone.
inline int RisingCrossings(const std::vector<int16_t>& out)
{
    int count = 0;
    for (std::size_t i = 1; i < out.size(); ++i) count += out[i - 1] < 0 && out[i] >= 0;
    return count;
}

// The gain that a volume in hundredths of a decibel should give.
inline double ExpectedGain(int hundredths_db)
{
    return std::pow(10.0, hundredths_db / 2000.0);
}

// Runs each test in a fresh folder, the device open unless a test opens it.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "wavedart-sound-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        if (open_device) {
            ASSERT_EQ(OpenSoundDevice(), 1);
        }
    }

    void TearDown() override
    {
        DeleteAllSounds();
        CloseSoundDevice();
        std::filesystem::remove_all(folder);
    }

    // Writes the bytes to a new file of the folder and returns its path.
    std::string Write(const Bytes& bytes)
    {
        const std::filesystem::path path = folder / ("sound" + std::to_string(file_count++) + ".wav");
        WriteBytes(path, bytes);
        return path.string();
    }

    int Load(const Bytes& bytes, int flags = GAME_FLAGS) { return LoadWavSound(Write(bytes).c_str(), flags); }

    bool open_device = true;
    std::filesystem::path folder;
    int file_count = 0;
};

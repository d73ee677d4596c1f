// An open sound device on the headless mixer, a folder for the test's WAVE
// files, and measures of the mixed output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "sound/sound_device.h"
#include "wave_files.h"

constexpr int GAME_FLAGS = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
// A sample byte 64 above silence plays at this output level at full volume.
constexpr double LEVEL_64 = 64.0 * 256.0;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = MakeTempFolder();
        ASSERT_EQ(OpenSoundDevice(), 1);
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

    int Load(const Bytes& bytes, int flags = GAME_FLAGS)
    {
        return LoadWavSound(Write(bytes).c_str(), flags);
    }

    std::filesystem::path folder;
    int file_count = 0;
};

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
    return out.empty() ? 0.0 : sum / static_cast<double>(out.size());
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
    for (std::size_t i = 1; i < out.size(); ++i) {
        if (out[i - 1] < 0 && out[i] >= 0) count += 1;
    }
    return count;
}

// The gain that a volume in hundredths of a decibel should give.
inline double ExpectedGain(int hundredths_db)
{
    return std::pow(10.0, hundredths_db / 2000.0);
}

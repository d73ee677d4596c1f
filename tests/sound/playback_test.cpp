// What the mixer makes of the sounds: play positions, status, volume, pitch
// and the sum of several voices, measured in the output.
#include "sound_fixture.h"

namespace {

// Output samples that one WAVE sample lasts at the default headless rate.
constexpr int OUTPUT_PER_SAMPLE = HEADLESS_AUDIO_DEFAULT_RATE / 11025;

}  // namespace

TEST_F(SoundTest, OneShotGoesIdleAtItsEndAndLoopKeepsPlaying)
{
    const Bytes wave = WaveFile(ConstantSamples(1000, 192));
    const int once = Load(wave);
    const int looped = Load(wave);
    PlaySoundEffect(once, 0);
    PlaySoundEffect(looped, DSBPLAY_LOOPING);
    EXPECT_EQ(GetSoundStatus(once), DSBSTATUS_PLAYING);
    EXPECT_EQ(GetSoundStatus(looped), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);

    Mix(1000 * OUTPUT_PER_SAMPLE - 8);
    EXPECT_EQ(GetSoundStatus(once), DSBSTATUS_PLAYING);
    Mix(16);
    EXPECT_EQ(GetSoundStatus(once), 0);
    Mix(10 * 1000 * OUTPUT_PER_SAMPLE);
    EXPECT_EQ(GetSoundStatus(looped), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64, 1.0) << "the loop wraps without a gap";

    StopSound(looped);
    EXPECT_EQ(GetSoundStatus(looped), 0);
    EXPECT_EQ(PeakLevel(Mix(400)), 0);
}

TEST_F(SoundTest, PlayingAgainRestartsFromTheBeginning)
{
    // Loud first half, silent second half.
    Bytes samples = ConstantSamples(500, 192);
    const Bytes quiet = ConstantSamples(500, 128);
    samples.insert(samples.end(), quiet.begin(), quiet.end());
    const int id = Load(WaveFile(samples));

    PlaySoundEffect(id, DSBPLAY_LOOPING);
    Mix(700 * OUTPUT_PER_SAMPLE);
    EXPECT_EQ(PeakLevel(Mix(100)), 0) << "in the silent half";
    PlaySoundEffect(id, DSBPLAY_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(100)), LEVEL_64, 1.0) << "back at the start";
}

TEST_F(SoundTest, DuplicatesPlayIndependently)
{
    const int original = Load(WaveFile(ConstantSamples(1000, 192)));
    const int copy = DuplicateSound(original);
    ASSERT_EQ(copy, 1);
    EXPECT_EQ(GetSoundStatus(copy), 0) << "a duplicate starts stopped";

    PlaySoundEffect(original, 0);
    EXPECT_NEAR(MeanLevel(Mix(200)), LEVEL_64, 1.0);
    PlaySoundEffect(copy, 0);
    EXPECT_NEAR(MeanLevel(Mix(200)), 2 * LEVEL_64, 1.0) << "both voices sound";

    // The original started 200 output samples earlier and so ends earlier.
    Mix(1000 * OUTPUT_PER_SAMPLE - 400 + 8);
    EXPECT_EQ(GetSoundStatus(original), 0);
    EXPECT_EQ(GetSoundStatus(copy), DSBSTATUS_PLAYING);
    StopSound(copy);
    EXPECT_EQ(GetSoundStatus(copy), 0);

    PlaySoundEffect(copy, 0);
    StopSound(original);
    EXPECT_EQ(GetSoundStatus(copy), DSBSTATUS_PLAYING) << "stopping one leaves the other";
}

TEST_F(SoundTest, DuplicateKeepsTheSamplesWhenTheOriginalIsDeleted)
{
    const int original = Load(WaveFile(ConstantSamples(1000, 192)));
    const int copy = DuplicateSound(original);
    DeleteSound(original);
    PlaySoundEffect(copy, DSBPLAY_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(5000)), LEVEL_64, 1.0);
    DeleteSound(copy);
    EXPECT_EQ(PeakLevel(Mix(100)), 0);
}

TEST_F(SoundTest, VolumeFollowsTheDecibelScale)
{
    const int id = Load(WaveFile(ConstantSamples(1000, 192)));
    PlaySoundEffect(id, DSBPLAY_LOOPING);
    for (const int volume : {100, 70, 60, 40, 20, 0}) {
        SCOPED_TRACE(volume);
        ASSERT_EQ(SetSoundVolume(id, volume), 1);
        const double expected = LEVEL_64 * ExpectedGain(30 * volume - 3000);
        EXPECT_NEAR(MeanLevel(Mix(400)), expected, 1.0);
    }
    EXPECT_NEAR(MeanLevel(Mix(400)) / LEVEL_64, 0.0316, 0.001) << "volume 0 is about 3%";
    EXPECT_EQ(SetSoundVolume(id, 101), 0) << "louder than recorded is refused";
}

TEST_F(SoundTest, DuplicateStartsWithTheSourceVolumeAndFrequency)
{
    const int original = Load(WaveFile(SineSamples(11025, 441.0)));
    SetSoundVolume(original, 60);
    SetSoundFrequency(original, 22050);
    const int copy = DuplicateSound(original);
    PlaySoundEffect(copy, DSBPLAY_LOOPING);
    const std::vector<int16_t> out = Mix(HEADLESS_AUDIO_DEFAULT_RATE);
    EXPECT_NEAR(RisingCrossings(out), 882, 2);
    EXPECT_NEAR(PeakLevel(out), 100 * 256 * ExpectedGain(-1200), 100);
}

TEST_F(SoundTest, FrequencyChangesThePitch)
{
    const int id = Load(WaveFile(SineSamples(11025, 441.0)));
    PlaySoundEffect(id, DSBPLAY_LOOPING);
    EXPECT_NEAR(RisingCrossings(Mix(HEADLESS_AUDIO_DEFAULT_RATE)), 441, 2);
    ASSERT_EQ(SetSoundFrequency(id, 22050), 1);
    EXPECT_NEAR(RisingCrossings(Mix(HEADLESS_AUDIO_DEFAULT_RATE)), 882, 2);
    ASSERT_EQ(SetSoundFrequency(id, 6000), 1);
    EXPECT_NEAR(RisingCrossings(Mix(HEADLESS_AUDIO_DEFAULT_RATE)), 441.0 * 6000 / 11025, 2);
    EXPECT_EQ(SetSoundFrequency(id, 0), 0);
    EXPECT_EQ(SetSoundFrequency(id, 1000000), 0);
}

TEST_F(SoundTest, FileRateIsIgnoredEverySoundPlaysAt11025)
{
    // Recorded at twice the rate: the same 1000 samples take as long as at 11025.
    const int id = Load(WaveFile(ConstantSamples(1000, 192), 22050));
    PlaySoundEffect(id, 0);
    Mix(1000 * OUTPUT_PER_SAMPLE - 8);
    EXPECT_EQ(GetSoundStatus(id), DSBSTATUS_PLAYING);
    Mix(16);
    EXPECT_EQ(GetSoundStatus(id), 0);
}

TEST_F(SoundTest, ControlsNeedTheirBufferFlags)
{
    const int plain = Load(WaveFile(ConstantSamples(100, 192)), 0);
    EXPECT_EQ(SetSoundVolume(plain, 50), 0);
    EXPECT_EQ(SetSoundFrequency(plain, 8000), 0);
    EXPECT_EQ(PlaySoundEffect(plain, 0), 1);
    EXPECT_EQ(GetSoundStatus(plain), DSBSTATUS_PLAYING);
}

TEST_F(SoundTest, ManyLoudVoicesSaturateInsteadOfWrapping)
{
    const int first = Load(WaveFile(ConstantSamples(1000, 255)));
    const int low = Load(WaveFile(ConstantSamples(1000, 0)));
    for (int copy = 0; copy < 8; ++copy) PlaySoundEffect(DuplicateSound(first), DSBPLAY_LOOPING);
    std::vector<int16_t> out = Mix(1000);
    for (const int16_t value : out) ASSERT_EQ(value, 32767);

    StopAllSounds();
    for (int copy = 0; copy < 8; ++copy) PlaySoundEffect(DuplicateSound(low), DSBPLAY_LOOPING);
    out = Mix(1000);
    for (const int16_t value : out) ASSERT_EQ(value, -32768);
}

TEST(SoundResampling, OddRatioInterpolatesBetweenSamples)
{
    // 11025 Hz to 48000 Hz: most output samples fall between two inputs.
    HeadlessSetAudioRate(48000);
    const std::filesystem::path folder = MakeTempFolder();
    const std::filesystem::path file = folder / "ramp.wav";
    WriteBytes(file, WaveFile(Bytes{128, 192, 128, 64}));
    ASSERT_EQ(OpenSoundDevice(), 1);
    ASSERT_EQ(HeadlessAudioRate(), 48000);
    const int id = LoadWavSound(file.string().c_str(), GAME_FLAGS);
    PlaySoundEffect(id, DSBPLAY_LOOPING);
    const std::vector<int16_t> out = Mix(48000);
    int steps_up = 0;
    for (std::size_t i = 1; i < out.size(); ++i) {
        ASSERT_LE(std::abs(out[i] - out[i - 1]), 64 * 256 * 11025 / 48000 + 2)
            << "no jumps between output samples at " << i;
        if (out[i] > out[i - 1]) steps_up += 1;
    }
    EXPECT_NEAR(RisingCrossings(out), 11025 / 4, 2);
    EXPECT_GT(steps_up, 48000 / 3);
    CloseSoundDevice();
    std::filesystem::remove_all(folder);
}

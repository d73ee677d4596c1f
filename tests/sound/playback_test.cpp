// What the mixer makes of the sounds: play positions and status, volume,
// pitch and the sum of several voices, measured in the output.
#include "platform/audio.h"
#include "sound_fixture.h"

TEST_F(SoundTest, OneShotGoesIdleAtItsEndALoopPlaysOnAndPlayingAgainRestarts)
{
    Bytes samples(500, 192);
    samples.resize(1000, 128);
    const int once = Load(WaveFile(samples));
    const int looped = Load(WaveFile(samples));
    PlaySoundEffect(once, 0);
    PlaySoundEffect(looped, DSBPLAY_LOOPING);
    EXPECT_EQ(GetSoundStatus(looped), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(400)), 2 * LEVEL_64, 1.0);
    Mix(1000 * OUTPUT_PER_SAMPLE - 8 - 400);
    EXPECT_EQ(GetSoundStatus(once), DSBSTATUS_PLAYING);
    Mix(16);
    EXPECT_EQ(GetSoundStatus(once), 0);
    Mix(10 * 1000 * OUTPUT_PER_SAMPLE + 1000);
    EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64, 1.0) << "the loop is in its loud half again";
    Mix(600);
    EXPECT_EQ(PeakLevel(Mix(1600)), 0) << "and then in its silent half";
    PlaySoundEffect(looped, DSBPLAY_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(100)), LEVEL_64, 1.0) << "back at the start";
    StopSound(looped);
    EXPECT_EQ(PeakLevel(Mix(400)), 0);
}

TEST_F(SoundTest, VolumeFollowsTheDecibelScaleTheMasterVolumeScalesTheMixAndFrequencyThePitch)
{
    const int id = Load(WaveFile(Bytes(1000, 192)));
    PlaySoundEffect(id, DSBPLAY_LOOPING);
    for (const int volume : {100, 70, 40, 0}) {
        ASSERT_EQ(SetSoundVolume(id, volume), 1);
        EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64 * Gain(30 * volume - 3000), 1.0) << volume;
    }
    EXPECT_EQ(SetSoundVolume(id, 101), 0) << "louder than recorded is refused";
    SetSoundVolume(id, 100);
    PlatformSetMasterVolume(50);
    EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64 / 2, 1.0);
    PlatformSetMasterVolume(250);
    EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
    PlatformSetMasterVolume(-5);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    PlatformSetMasterVolume(100);
    StopSound(id);
    const int tone = Load(WaveFile(Sine(11025, 441.0)));
    PlaySoundEffect(tone, DSBPLAY_LOOPING);
    for (const int frequency : {22050, 6000}) {
        ASSERT_EQ(SetSoundFrequency(tone, frequency), 1);
        EXPECT_NEAR(RisingCrossings(Mix(HEADLESS_AUDIO_DEFAULT_RATE)), 441.0 * frequency / 11025, 2) << frequency;
    }
    EXPECT_EQ(SetSoundFrequency(tone, 0), 0);
    EXPECT_EQ(SetSoundFrequency(tone, 1000000), 0);
}

TEST_F(SoundTest, EightVoicesAtTheTopOrTheBottomSaturateInsteadOfWrapping)
{
    // At a tenth of the master volume they do not.
    for (const int level : {255, 0}) {
        StopAllSounds();
        const int loud = Load(WaveFile(Bytes(1000, uint8_t(level))));
        for (int copy = 0; copy < 8; ++copy) PlaySoundEffect(DuplicateSound(loud), DSBPLAY_LOOPING);
        PlatformSetMasterVolume(100);
        for (const int16_t value : Mix(1000)) ASSERT_EQ(value, level ? 32767 : -32768);
        PlatformSetMasterVolume(10);
        for (const int16_t value : Mix(1000)) ASSERT_EQ(value, 8 * (level - 128) * 256 / 10);
    }
}

TEST(SoundResampling, AnOddRatioInterpolatesBetweenSamplesAcrossTheLoop)
{
    // 11025 Hz to 48000 Hz: most output samples fall between two inputs.
    HeadlessSetAudioRate(48000);
    ASSERT_EQ(OpenSoundDevice(), 1);
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "wavedart-ramp.wav";
    WriteBytes(file, WaveFile(Bytes{128, 192, 128, 64}));
    PlaySoundEffect(LoadWavSound(file.c_str(), GAME_FLAGS), DSBPLAY_LOOPING);
    std::filesystem::remove(file);
    const std::vector<int16_t> out = Mix(48000);
    int steps_up = 0;
    for (std::size_t i = 1; i < out.size(); ++i) {
        ASSERT_LE(std::abs(out[i] - out[i - 1]), 64 * 256 * 11025 / 48000 + 2) << "a jump at " << i;
        steps_up += out[i] > out[i - 1];
    }
    EXPECT_NEAR(RisingCrossings(out), 11025 / 4, 2);
    EXPECT_GT(steps_up, 48000 / 3);
    CloseSoundDevice();
}

// The slot table: which ids loads and duplicates hand out, and what calls do
// on ids that hold no sound.
#include "sound_fixture.h"

TEST_F(SoundTest, LoadsAndDuplicatesTakeTheFirstFreeSlots)
{
    const Bytes wave = WaveFile(ConstantSamples(100, 192));
    EXPECT_EQ(Load(wave), 0);
    EXPECT_EQ(Load(wave), 1);
    EXPECT_EQ(DuplicateSound(0), 2);
    EXPECT_EQ(Load(wave), 3);
    EXPECT_EQ(sound_slots[2].id, 2);
    EXPECT_EQ(sound_slots[2].size, 100);
    EXPECT_EQ(sound_slots[2].format, 1 | 1 << 16) << "format tag low, channels high";
    EXPECT_NE(sound_slots[0].buffer, sound_slots[1].buffer) << "the same file loaded twice";
}

TEST_F(SoundTest, FullTableRefusesLoadsAndDuplicates)
{
    const Bytes wave = WaveFile(ConstantSamples(16, 192));
    ASSERT_EQ(Load(wave), 0);
    for (int id = 1; id < SOUND_SLOT_COUNT; ++id) ASSERT_EQ(DuplicateSound(0), id);
    EXPECT_EQ(Load(wave), -1);
    EXPECT_EQ(DuplicateSound(0), -1);
    EXPECT_EQ(GetSoundStatus(255), 0) << "the last slot holds a working duplicate";
}

TEST_F(SoundTest, DeletedSlotIsNotReusedUntilTheTableIsEmptied)
{
    const Bytes wave = WaveFile(ConstantSamples(16, 192));
    ASSERT_EQ(Load(wave), 0);
    ASSERT_EQ(Load(wave), 1);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    EXPECT_EQ(sound_slots[0].state, 1);
    EXPECT_EQ(Load(wave), 2);

    ASSERT_EQ(OpenSoundDevice(), 1);
    EXPECT_EQ(GetSoundStatus(1), -1) << "reopening releases every buffer";
    EXPECT_EQ(Load(wave), 0);
}

TEST_F(SoundTest, IdsWithoutASoundAreHarmless)
{
    const Bytes wave = WaveFile(ConstantSamples(16, 192));
    ASSERT_EQ(Load(wave), 0);
    for (const int id : {-1, 1, 255, 256, -7, 100000}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(PlaySoundEffect(id, DSBPLAY_LOOPING), 1);
        EXPECT_EQ(StopSound(id), 1);
        EXPECT_EQ(DeleteSound(id), 1);
        EXPECT_EQ(SetSoundVolume(id, 50), 0);
        EXPECT_EQ(SetSoundFrequency(id, 22050), 0);
        EXPECT_EQ(GetSoundStatus(id), -1);
        EXPECT_EQ(DuplicateSound(id), -1);
    }
    EXPECT_EQ(Load(wave), 1) << "failed duplicates leave their slots free";
}

TEST(SoundDevice, WithoutADeviceEverySoundIsMissing)
{
    HeadlessSetAudioPresent(0);
    const std::filesystem::path folder = MakeTempFolder();
    const std::filesystem::path file = folder / "tone.wav";
    WriteBytes(file, WaveFile(ConstantSamples(16, 192)));

    EXPECT_EQ(OpenSoundDevice(), 0);
    EXPECT_EQ(OpenSoundDevice(), 0) << "a second try must not report a device either";
    EXPECT_EQ(LoadWavSound(file.string().c_str(), GAME_FLAGS), -1);
    EXPECT_EQ(sound_slots[0].state, 0);
    EXPECT_EQ(PlaySoundEffect(0, 0), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    EXPECT_EQ(StopAllSounds(), 1);
    EXPECT_EQ(DeleteAllSounds(), 1);
    EXPECT_EQ(CloseSoundDevice(), 1);
    std::filesystem::remove_all(folder);
}

TEST(SoundDevice, ClosedDeviceCanBeOpenedAgain)
{
    const std::filesystem::path folder = MakeTempFolder();
    const std::filesystem::path file = folder / "tone.wav";
    WriteBytes(file, WaveFile(ConstantSamples(16, 192)));

    ASSERT_EQ(OpenSoundDevice(), 1);
    ASSERT_EQ(LoadWavSound(file.string().c_str(), GAME_FLAGS), 0);
    PlaySoundEffect(0, DSBPLAY_LOOPING);
    EXPECT_EQ(CloseSoundDevice(), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    EXPECT_EQ(HeadlessAudioRate(), 0);

    ASSERT_EQ(OpenSoundDevice(), 1);
    EXPECT_EQ(LoadWavSound(file.string().c_str(), GAME_FLAGS), 0);
    CloseSoundDevice();
    std::filesystem::remove_all(folder);
}

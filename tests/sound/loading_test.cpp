// WAVE files the loader accepts and refuses, and the slot table's ids.
#include "sound_fixture.h"

namespace {

class NoSoundDevice : public SoundTest {
protected:
    NoSoundDevice() { open_device = false; }
};

}  // namespace

TEST_F(SoundTest, AcceptsTheUsualLayouts)
{
    const Bytes samples = Constant(64, 192);
    EXPECT_EQ(Load(WaveFile(samples)), 0);
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025, true), Chunk("data", samples)})), 1);
    // Other chunks before the data are skipped, odd ones with their pad byte.
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025), Chunk("LIST", Bytes(7, 'x')),
                                     Chunk("fact", Bytes(4, 0)), Chunk("data", samples)})),
              2);
    // An odd data chunk at the very end, without its pad byte.
    Bytes unpadded = RiffForm("WAVE", {FormatChunk(1, 1, 11025), Chunk("data", Constant(33, 200))});
    unpadded.pop_back();
    unpadded[4] = static_cast<uint8_t>(unpadded[4] - 1);
    EXPECT_EQ(Load(unpadded), 3);
    EXPECT_EQ(sound_slots[3].size, 33);
    // Stereo files load too; they simply play as 8-bit mono.
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 2, 44100), Chunk("data", samples)})), 4);
    EXPECT_EQ(sound_slots[4].format, 1 | 2 << 16) << "format tag low, channels high";
}

TEST_F(SoundTest, RefusesAllButWholePcmWaveFilesAndLeavesTheSlotFree)
{
    const Bytes samples = Constant(64, 192);
    const Bytes format = FormatChunk(1, 1, 11025);
    const Bytes whole = WaveFile(samples);
    Bytes form_too_long = RiffForm("WAVE", {format, Chunk("data", samples, 100000)});
    form_too_long[4] = form_too_long[5] = 0xFF;
    Bytes form_too_short = whole;
    form_too_short[4] = static_cast<uint8_t>(form_too_short[4] - 10);
    std::vector<Bytes> bad = {
        Bytes(300, 0xA5),
        RiffForm("AVI ", {format, Chunk("data", samples)}),
        RiffForm("WAVE", {FormatChunk(3, 1, 11025), Chunk("data", samples)}),
        RiffForm("WAVE", {format}),
        RiffForm("WAVE", {Chunk("data", samples), format}),
        RiffForm("WAVE", {format, Chunk("data", {})}),
        RiffForm("WAVE", {format, Chunk("data", samples, 100000)}),
        RiffForm("WAVE", {format, Chunk("data", samples, 0xFFFFFFF0u)}),
        form_too_long,
        form_too_short,
        RiffForm("WAVE", {Chunk("fmt ", Bytes(16, 1), 5000), Chunk("data", samples)}),
        WaveFile(Bytes(SOUND_MAX_BYTES + 2, 128)),
    };
    // Cut everywhere: in the header, the format, the data's header and samples.
    for (std::size_t length = 0; length < whole.size(); length += 3) {
        bad.emplace_back(whole.begin(), whole.begin() + long(length));
    }
    EXPECT_EQ(LoadWavSound((folder / "missing.wav").c_str(), GAME_FLAGS), -1);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Load(bad[i]), -1);
        ASSERT_EQ(sound_slots[0].buffer, nullptr);
    }
    EXPECT_EQ(Load(whole), 0);
}

TEST_F(SoundTest, LoadsAndDuplicatesTakeTheFirstFreeSlotUntilTheTableIsFull)
{
    const Bytes wave = WaveFile(Constant(16, 192));
    ASSERT_EQ(Load(wave), 0);
    ASSERT_EQ(Load(wave), 1);
    EXPECT_NE(sound_slots[0].buffer, sound_slots[1].buffer);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    EXPECT_EQ(DuplicateSound(1), 2) << "a deleted slot is not reused until the table is emptied";
    for (int id = 3; id < SOUND_SLOT_COUNT; ++id) ASSERT_EQ(DuplicateSound(1), id);
    EXPECT_EQ(Load(wave), -1);
    EXPECT_EQ(DuplicateSound(1), -1);
    EXPECT_EQ(GetSoundStatus(SOUND_SLOT_COUNT - 1), 0) << "the last slot holds a working duplicate";
    ASSERT_EQ(OpenSoundDevice(), 1);
    EXPECT_EQ(GetSoundStatus(1), -1) << "reopening releases every buffer";
    EXPECT_EQ(Load(wave), 0);
}

TEST_F(SoundTest, IdsWithoutASoundAreHarmless)
{
    ASSERT_EQ(Load(WaveFile(Constant(16, 192))), 0);
    for (const int id : {-1, 1, 255, 256, -7, 100000}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(PlaySoundEffect(id, DSBPLAY_LOOPING), 1);
        EXPECT_EQ(DeleteSound(id), 1);
        EXPECT_EQ(SetSoundVolume(id, 50), 0);
        EXPECT_EQ(GetSoundStatus(id), -1);
        EXPECT_EQ(DuplicateSound(id), -1);
    }
    EXPECT_EQ(Load(WaveFile(Constant(16, 192))), 1) << "failed duplicates leave their slots free";
}

TEST_F(NoSoundDevice, EverySoundIsMissingUntilADeviceOpens)
{
    const std::string file = Write(WaveFile(Constant(16, 192)));
    HeadlessSetAudioPresent(0);
    EXPECT_EQ(OpenSoundDevice(), 0);
    EXPECT_EQ(OpenSoundDevice(), 0) << "a second try must not report a device either";
    EXPECT_EQ(LoadWavSound(file.c_str(), GAME_FLAGS), -1);
    EXPECT_EQ(PlaySoundEffect(0, 0), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    HeadlessSetAudioPresent(1);
    ASSERT_EQ(OpenSoundDevice(), 1);
    ASSERT_EQ(LoadWavSound(file.c_str(), GAME_FLAGS), 0);
    PlaySoundEffect(0, DSBPLAY_LOOPING);
    EXPECT_EQ(CloseSoundDevice(), 1);
    EXPECT_EQ(GetSoundStatus(0), -1);
    EXPECT_EQ(HeadlessAudioRate(), 0);
    ASSERT_EQ(OpenSoundDevice(), 1) << "a closed device opens again";
    EXPECT_EQ(LoadWavSound(file.c_str(), GAME_FLAGS), 0);
}

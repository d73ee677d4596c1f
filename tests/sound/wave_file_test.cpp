// WAVE files the loader accepts and those it refuses; a refused file leaves
// its slot free.
#include "sound_fixture.h"

namespace {

const Bytes SAMPLES = ConstantSamples(64, 192);

// After a refusal the very next good load must still get id 0.
void ExpectRefused(int id)
{
    EXPECT_EQ(id, -1);
    EXPECT_EQ(sound_slots[0].state, 0);
    EXPECT_EQ(sound_slots[0].buffer, nullptr);
}

}  // namespace

TEST_F(SoundTest, AcceptsTheUsualLayouts)
{
    EXPECT_EQ(Load(WaveFile(SAMPLES)), 0);
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025, true), Chunk("data", SAMPLES)})), 1);
    // Other chunks between the format and the data are skipped, odd ones
    // with their pad byte.
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025, false), Chunk("LIST", Bytes(7, 'x')),
                                     Chunk("fact", Bytes(4, 0)), Chunk("data", SAMPLES)})),
              2);
    // An odd data chunk at the very end, without its pad byte.
    Bytes unpadded = RiffForm("WAVE", {FormatChunk(1, 1, 11025, false), Chunk("data", Bytes(33, 200))});
    unpadded.pop_back();
    unpadded[4] = static_cast<uint8_t>(unpadded[4] - 1);
    EXPECT_EQ(Load(unpadded), 3);
    EXPECT_EQ(sound_slots[3].size, 33);
    // Stereo or 16-bit files load too; they simply play as 8-bit mono.
    EXPECT_EQ(Load(RiffForm("WAVE", {FormatChunk(1, 2, 44100, false), Chunk("data", SAMPLES)})), 4);
    EXPECT_EQ(sound_slots[4].format, 1 | 2 << 16);
}

TEST_F(SoundTest, RefusesFilesThatAreNotPcmWave)
{
    ExpectRefused(LoadWavSound((folder / "missing.wav").string().c_str(), GAME_FLAGS));
    ExpectRefused(Load(Bytes{}));
    ExpectRefused(Load(Bytes(300, 0xA5)));
    ExpectRefused(Load(RiffForm("AVI ", {FormatChunk(1, 1, 11025, false), Chunk("data", SAMPLES)})));
    ExpectRefused(Load(RiffForm("WAVE", {FormatChunk(3, 1, 11025, false), Chunk("data", SAMPLES)})));
    ExpectRefused(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025, false)})));
    // The format must come first.
    ExpectRefused(Load(RiffForm("WAVE", {Chunk("data", SAMPLES), FormatChunk(1, 1, 11025, false)})));
    // No samples.
    ExpectRefused(Load(RiffForm("WAVE", {FormatChunk(1, 1, 11025, false), Chunk("data", {})})));
    EXPECT_EQ(Load(WaveFile(SAMPLES)), 0);
}

TEST_F(SoundTest, RefusesTruncatedFiles)
{
    const Bytes whole = WaveFile(SAMPLES);
    // Every cut: inside the header, the format, the data chunk's header and
    // its samples.
    for (std::size_t length = 0; length < whole.size(); length += 3) {
        SCOPED_TRACE(length);
        ExpectRefused(Load(Bytes(whole.begin(), whole.begin() + static_cast<long>(length))));
    }
}

TEST_F(SoundTest, RefusesSizesBeyondTheFile)
{
    const Bytes format = FormatChunk(1, 1, 11025, false);
    // The data chunk claims more than the file holds, with a RIFF size that
    // agrees with the file and one that agrees with the data.
    ExpectRefused(Load(RiffForm("WAVE", {format, ChunkWithSize("data", 100000, SAMPLES)})));
    ExpectRefused(Load(RiffForm("WAVE", {format, ChunkWithSize("data", 0xFFFFFFF0u, SAMPLES)})));
    Bytes form_too_long = RiffForm("WAVE", {format, ChunkWithSize("data", 100000, SAMPLES)});
    form_too_long[4] = 0xFF;
    form_too_long[5] = 0xFF;
    ExpectRefused(Load(form_too_long));
    // A format chunk whose size runs past the form.
    ExpectRefused(Load(RiffForm("WAVE", {ChunkWithSize("fmt ", 5000, Bytes(16, 1)), Chunk("data", SAMPLES)})));
    // The data chunk runs past the form's end, though not past the file's.
    Bytes form_too_short = WaveFile(SAMPLES);
    form_too_short[4] = static_cast<uint8_t>(form_too_short[4] - 10);
    ExpectRefused(Load(form_too_short));
    EXPECT_EQ(Load(WaveFile(SAMPLES)), 0);
}

TEST_F(SoundTest, RefusesOversizedSampleData)
{
    const Bytes too_long(SOUND_MAX_BYTES + 2, 128);
    ExpectRefused(Load(WaveFile(too_long)));
    EXPECT_EQ(Load(WaveFile(SAMPLES)), 0);
}

// WAVE files the loader accepts and refuses.
#include "sound_fixture.h"

TEST_F(SoundTest, AcceptsTheUsualLayouts)
{
    const Bytes samples(64, 192);
    EXPECT_EQ(Load(WaveFile(samples)), 0);
    EXPECT_EQ(Load(Riff("WAVE", {Format(1, 1, true), Chunk("data", samples)})), 1);
    // Other chunks before the data are skipped, odd ones with their pad byte.
    EXPECT_EQ(Load(Riff("WAVE", {Format(), Chunk("LIST", Bytes(7, 'x')), Chunk("fact", Bytes(4, 0)),
                                 Chunk("data", samples)})),
              2);
    // An odd data chunk at the very end, without its pad byte.
    Bytes unpadded = WaveFile(Bytes(33, 200));
    unpadded.pop_back();
    unpadded[4] = static_cast<uint8_t>(unpadded[4] - 1);
    EXPECT_EQ(Load(unpadded), 3);
    EXPECT_EQ(sound_slots[3].size, 33);
}

TEST_F(SoundTest, RefusesAllButWholePcmWaveFilesAndLeavesTheSlotFree)
{
    const Bytes samples(64, 192);
    const Bytes whole = WaveFile(samples);
    Bytes form_too_long = Riff("WAVE", {Format(), Chunk("data", samples, 100000)});
    form_too_long[4] = form_too_long[5] = 0xFF;
    Bytes form_too_short = whole;
    form_too_short[4] = static_cast<uint8_t>(form_too_short[4] - 10);
    std::vector<Bytes> bad = {
        Bytes(300, 0xA5),
        Riff("AVI ", {Format(), Chunk("data", samples)}),
        Riff("WAVE", {Format(3), Chunk("data", samples)}),
        Riff("WAVE", {Format()}),
        Riff("WAVE", {Chunk("data", samples), Format()}),
        Riff("WAVE", {Format(), Chunk("data", {})}),
        Riff("WAVE", {Format(), Chunk("data", samples, 100000)}),
        Riff("WAVE", {Format(), Chunk("data", samples, 0xFFFFFFF0u)}),
        Riff("WAVE", {Chunk("fmt ", Bytes(16, 1), 5000), Chunk("data", samples)}),
        form_too_long,
        form_too_short,
        WaveFile(Bytes(SOUND_MAX_BYTES + 2, 128)),
    };
    // Cut everywhere: in the header, the format, the data's header and samples.
    for (std::size_t length = 0; length < whole.size(); length += 3) {
        bad.emplace_back(whole.begin(), whole.begin() + long(length));
    }
    EXPECT_EQ(LoadWavSound((folder / "missing.wav").c_str(), GAME_FLAGS), -1);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_EQ(Load(bad[i]), -1) << i;
        ASSERT_EQ(sound_slots[0].buffer, nullptr) << i;
    }
    EXPECT_EQ(Load(whole), 0);
}

// The game's sound set: its ids, volumes and pitch, and which copy plays.
#include <unistd.h>

#include "graphics/display.h"
#include "sound/game_sounds.h"
#include "sound_fixture.h"

namespace {

constexpr int MISSILE_SAMPLES = 2000;

class GameSoundsTest : public SoundTest {
protected:
    void SetUp() override
    {
        SoundTest::SetUp();
        WriteBytes(folder / "sounds/engine.wav", WaveFile(ConstantSamples(4000, 192)));
        WriteBytes(folder / "sounds/fueling.wav", WaveFile(ConstantSamples(4000, 192)));
        WriteBytes(folder / "sounds/fuel_low.wav", WaveFile(SineSamples(11025, 441.0)));
        WriteBytes(folder / "sounds/missle.wav", WaveFile(ConstantSamples(MISSILE_SAMPLES, 192)));
        WriteBytes(folder / "sounds/explosion.wav", WaveFile(ConstantSamples(6000, 192)));
        ASSERT_EQ(chdir(folder.c_str()), 0);
        screen_width = 640;
        screen_height = 480;
    }
};

std::vector<int> PlayingCopies(const int* set)
{
    std::vector<int> playing;
    for (int copy = 0; copy < SOUND_COPIES; ++copy) {
        if (GetSoundStatus(set[copy]) == DSBSTATUS_PLAYING) playing.push_back(copy);
    }
    return playing;
}

double LevelOf(int id)
{
    PlaySoundEffect(id, 0);
    const double level = MeanLevel(Mix(200));
    StopSound(id);
    return level;
}

}  // namespace

TEST_F(GameSoundsTest, IdsComeOutInLoadOrder)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    EXPECT_EQ(engine_sound, 0);
    EXPECT_EQ(fueling_sound, 1);
    EXPECT_EQ(fuel_low_sound, 2);
    for (int copy = 0; copy < SOUND_COPIES; ++copy) {
        EXPECT_EQ(enemy_missile_sounds[copy], 3 + copy);
        EXPECT_EQ(player_missile_sounds[copy], 11 + copy);
        EXPECT_EQ(explosion_sounds[copy], 19 + copy);
    }
    EXPECT_EQ(FirstFreeSoundSlot(), 27);
}

TEST_F(GameSoundsTest, EachSoundHasItsVolume)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    EXPECT_NEAR(LevelOf(engine_sound), LEVEL_64 * ExpectedGain(-1200), 1.0);
    EXPECT_NEAR(LevelOf(fueling_sound), LEVEL_64, 1.0);
    for (int copy = 0; copy < SOUND_COPIES; ++copy) {
        SCOPED_TRACE(copy);
        EXPECT_NEAR(LevelOf(enemy_missile_sounds[copy]), LEVEL_64 * ExpectedGain(-2400), 1.0);
        EXPECT_NEAR(LevelOf(player_missile_sounds[copy]), LEVEL_64 * ExpectedGain(-1800), 1.0);
        EXPECT_NEAR(LevelOf(explosion_sounds[copy]), LEVEL_64 * ExpectedGain(-900), 1.0);
    }
}

TEST_F(GameSoundsTest, FuelLowPlaysLowerAt6000)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    PlaySoundEffect(fuel_low_sound, DSBPLAY_LOOPING);
    const std::vector<int16_t> out = Mix(HEADLESS_AUDIO_DEFAULT_RATE);
    EXPECT_NEAR(RisingCrossings(out), 441.0 * 6000 / 11025, 2);
    EXPECT_NEAR(PeakLevel(out), 100 * 256 * ExpectedGain(-2400), 60);
}

TEST_F(GameSoundsTest, NineRequestsPlayEightCopiesInOrder)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    struct Set {
        const int* ids;
        void (*play)();
    };
    const Set sets[] = {
        {explosion_sounds, PlayExplosionSound},
        {player_missile_sounds, PlayPlayerMissileSound},
        {enemy_missile_sounds, [] { PlayEnemyMissileSound(100, 100, 32, 32); }},
    };
    for (const Set& set : sets) {
        StopAllSounds();
        set.play();
        EXPECT_EQ(PlayingCopies(set.ids), std::vector<int>({0}));
        set.play();
        EXPECT_EQ(PlayingCopies(set.ids), std::vector<int>({0, 1})) << "the second takes another copy";
        for (int request = 3; request <= 9; ++request) set.play();
        EXPECT_EQ(PlayingCopies(set.ids).size(), 8u);

        // The ninth was dropped, not queued: once copy 3 is idle, the next
        // request takes it and nothing else starts.
        StopSound(set.ids[3]);
        EXPECT_EQ(PlayingCopies(set.ids).size(), 7u);
        set.play();
        EXPECT_EQ(PlayingCopies(set.ids).size(), 8u);
    }
}

TEST_F(GameSoundsTest, EightPlayersCopiesSoundTogetherAndEnd)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    for (int request = 0; request < 9; ++request) PlayPlayerMissileSound();
    EXPECT_NEAR(MeanLevel(Mix(200)), 8 * LEVEL_64 * ExpectedGain(-1800), 8.0);
    Mix(MISSILE_SAMPLES * HEADLESS_AUDIO_DEFAULT_RATE / 11025);
    EXPECT_TRUE(PlayingCopies(player_missile_sounds).empty());
    PlayPlayerMissileSound();
    EXPECT_EQ(PlayingCopies(player_missile_sounds), std::vector<int>({0}));
}

TEST_F(GameSoundsTest, EnemyLaunchIsHeardOnlyOnOrNextToTheScreen)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    constexpr int W = 40;
    constexpr int H = 24;
    struct Launch {
        int x;
        int y;
        bool heard;
    };
    const Launch launches[] = {
        {-W, 200, true},      {-W - 1, 200, false},  // left edge
        {300, -H, true},      {300, -H - 1, false},  // top edge
        {640, 200, true},     {641, 200, false},     // right edge
        {300, 480, true},     {300, 481, false},     // bottom edge, below the panel
        {-W, -H, true},       {640, 480, true},      // corners
        {-W - 1, 480, false}, {640, -H - 1, false},
    };
    for (const Launch& launch : launches) {
        SCOPED_TRACE(::testing::Message() << launch.x << "," << launch.y);
        StopAllSounds();
        PlayEnemyMissileSound(launch.x, launch.y, W, H);
        EXPECT_EQ(PlayingCopies(enemy_missile_sounds).size(), launch.heard ? 1u : 0u);
    }
}

TEST_F(GameSoundsTest, MissingFileEndsTheLoadingThere)
{
    std::filesystem::remove(folder / "sounds/missle.wav");
    EXPECT_EQ(LoadGameSounds(), 0);
    EXPECT_EQ(engine_sound, 0);
    EXPECT_EQ(fueling_sound, 1);
    EXPECT_EQ(fuel_low_sound, 2);
    for (int copy = 0; copy < SOUND_COPIES; ++copy) {
        EXPECT_EQ(enemy_missile_sounds[copy], -1);
        EXPECT_EQ(player_missile_sounds[copy], -1);
        EXPECT_EQ(explosion_sounds[copy], -1);
    }
    PlayExplosionSound();
    PlayPlayerMissileSound();
    PlayEnemyMissileSound(0, 0, 10, 10);
    EXPECT_EQ(PeakLevel(Mix(400)), 0);
}

TEST_F(GameSoundsTest, FailedDuplicateLeavesItsCopyEmpty)
{
    // Only 24 slots left: the explosion set gets its original and four copies.
    const Bytes filler = WaveFile(ConstantSamples(16, 128));
    for (int id = 0; id < SOUND_SLOT_COUNT - 24; ++id) ASSERT_EQ(Load(filler), id);
    ASSERT_EQ(LoadGameSounds(), 1);
    EXPECT_EQ(explosion_sounds[4], SOUND_SLOT_COUNT - 1);
    for (int copy = 5; copy < SOUND_COPIES; ++copy) EXPECT_EQ(explosion_sounds[copy], -1);
    for (int request = 0; request < 8; ++request) PlayExplosionSound();
    EXPECT_EQ(PlayingCopies(explosion_sounds).size(), 5u);
}

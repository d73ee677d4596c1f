// The game's sound set: which copy plays, launches heard near the screen
// only, the fuel alarm's pitch, and sets cut short by a full table.
#include "graphics/display.h"
#include "sound/game_sounds.h"
#include "sound_fixture.h"

namespace {

class GameSoundsTest : public SoundTest {
protected:
    void SetUp() override
    {
        SoundTest::SetUp();
        for (const char* name : {"engine", "fueling", "missle", "explosion"}) {
            WriteBytes(folder / "sounds" / (std::string(name) + ".wav"), WaveFile(Bytes(2000, 192)));
        }
        WriteBytes(folder / "sounds/fuel_low.wav", WaveFile(Sine(11025, 441.0)));
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
};

int Playing(const int* set)
{
    int playing = 0;
    for (int copy = 0; copy < SOUND_COPIES; ++copy) playing += GetSoundStatus(set[copy]) == DSBSTATUS_PLAYING;
    return playing;
}

}  // namespace

TEST_F(GameSoundsTest, RequestsTakeTheFirstIdleCopyBeyondEightAreDroppedAndTheAlarmPlaysAt6000)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    for (int request = 1; request <= 9; ++request) {
        PlayPlayerMissileSound();
        EXPECT_EQ(Playing(player_missile_sounds), std::min(request, 8));
        EXPECT_EQ(GetSoundStatus(player_missile_sounds[std::min(request, 8) - 1]), DSBSTATUS_PLAYING) << request;
    }
    // The ninth was dropped, not queued: once copy 3 is idle, the next
    // request takes it and nothing else starts.
    StopSound(player_missile_sounds[3]);
    PlayPlayerMissileSound();
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[3]), DSBSTATUS_PLAYING);
    EXPECT_EQ(Playing(player_missile_sounds), 8);
    StopAllSounds();
    PlaySoundEffect(fuel_low_sound, DSBPLAY_LOOPING);
    EXPECT_NEAR(RisingCrossings(Mix(HEADLESS_AUDIO_DEFAULT_RATE)), 441.0 * 6000 / 11025, 2);
}

TEST_F(GameSoundsTest, EnemyLaunchIsHeardOnlyOnOrNextToTheScreen)
{
    ASSERT_EQ(LoadGameSounds(), 1);
    screen_width = 640;
    screen_height = 480;
    // A 40 x 24 enemy at each edge and corner, just in and just out.
    const int launches[][3] = {{-40, 200, 1}, {-41, 200, 0}, {300, -24, 1}, {300, -25, 0},
                               {640, 200, 1}, {641, 200, 0}, {300, 480, 1}, {300, 481, 0},
                               {-40, -24, 1}, {640, 480, 1}, {-41, 480, 0}, {640, -25, 0}};
    for (const auto& launch : launches) {
        StopAllSounds();
        PlayEnemyMissileSound(launch[0], launch[1], 40, 24);
        EXPECT_EQ(Playing(enemy_missile_sounds), launch[2]) << launch[0] << "," << launch[1];
    }
}

TEST_F(GameSoundsTest, AFullTableLeavesCopiesEmpty)
{
    // Only 24 slots left: the explosion set gets its original and four copies.
    for (int id = 0; id < SOUND_SLOT_COUNT - 24; ++id) ASSERT_EQ(Load(WaveFile(Bytes(16, 128))), id);
    ASSERT_EQ(LoadGameSounds(), 1);
    EXPECT_EQ(explosion_sounds[5], -1);
    for (int request = 0; request < 8; ++request) PlayExplosionSound();
    EXPECT_EQ(Playing(explosion_sounds), 5);
}

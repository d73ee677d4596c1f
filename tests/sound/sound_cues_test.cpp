// Where the game starts and stops its sounds: the whole program started on
// the headless backend, the state handlers run one frame at a time.
#include <unistd.h>

#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "sound/game_sounds.h"
#include "sound_fixture.h"

namespace {

class SoundCuesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = MakeTempFolder();
        for (const char* name : {"engine", "fueling", "fuel_low", "missle", "explosion"}) {
            WriteBytes(folder / "sounds" / (std::string(name) + ".wav"),
                       WaveFile(ConstantSamples(20000, 192)));
        }
        ASSERT_EQ(chdir(folder.c_str()), 0);
        HeadlessSetTicks(1000);
        AppStartUp();
        ASSERT_EQ(engine_sound, 0) << "start-up opens the device and loads the sounds";
        ASSERT_EQ(explosion_sounds[7], 26);
    }

    void TearDown() override
    {
        AppShutDown();
        EXPECT_EQ(sound_device, 0);
        EXPECT_EQ(GetSoundStatus(engine_sound), -1) << "shut-down releases every sound";
        std::filesystem::remove_all(folder);
    }

    static void Hold(std::initializer_list<int> keys)
    {
        const std::vector<int> codes(keys);
        HeadlessHoldKeys(codes.data(), static_cast<int>(codes.size()));
    }

    // A playing frame with the engine, the fueling loop and an explosion
    // sounding.
    static void StartEverySound()
    {
        game_state = STATE_PLAYING;
        engine_sound_on = 0;
        Hold({DIK_UP});
        RunPlaying();
        PlaySoundEffect(fueling_sound, DSBPLAY_LOOPING);
        PlayExplosionSound();
        ASSERT_NE(GetSoundStatus(engine_sound), 0);
        ASSERT_NE(GetSoundStatus(explosion_sounds[0]), 0);
    }

    static int SoundsPlaying()
    {
        int playing = 0;
        for (int id = 0; id < SOUND_SLOT_COUNT; ++id) {
            if (GetSoundStatus(id) > 0) playing += 1;
        }
        return playing;
    }

    std::filesystem::path folder;
};

}  // namespace

TEST_F(SoundCuesTest, UpArrowStartsTheEngineLoopOncePerLife)
{
    game_state = STATE_PLAYING;
    engine_sound_on = 0;
    Hold({});
    RunPlaying();
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);

    Hold({DIK_UP});
    RunPlaying();
    EXPECT_EQ(GetSoundStatus(engine_sound), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_EQ(engine_sound_on, 1);
    EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64 * ExpectedGain(-1200), 1.0);

    // Stopped by hand, it stays off while the flag says it was started.
    StopSound(engine_sound);
    game_state = STATE_PLAYING;
    RunPlaying();
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);
}

TEST_F(SoundCuesTest, FiringPlaysThePlayersMissileSound)
{
    game_state = STATE_PLAYING;
    fire_cooldown = FIRE_INTERVAL;
    Hold({DIK_SPACE});
    RunPlaying();
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[0]), DSBSTATUS_PLAYING);
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[1]), 0);
}

TEST_F(SoundCuesTest, EveryDyingFrameStopsOnlyTheEngine)
{
    StartEverySound();
    game_state = STATE_DYING;
    death_frames = 0;
    lives = 2;
    RunDying();
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);
    EXPECT_EQ(GetSoundStatus(explosion_sounds[0]), DSBSTATUS_PLAYING);
}

TEST_F(SoundCuesTest, GameOverStopsEverySound)
{
    StartEverySound();
    game_state = STATE_DYING;
    death_frames = DEATH_FRAMES - 1;
    lives = 0;
    RunDying();
    ASSERT_EQ(game_state, STATE_GAME_OVER);
    EXPECT_EQ(SoundsPlaying(), 0);
}

TEST_F(SoundCuesTest, BackspaceInPlayStopsEverySound)
{
    StartEverySound();
    game_state = STATE_PLAYING;
    Hold({DIK_BACK});
    RunPlaying();
    ASSERT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(SoundsPlaying(), 0);
}

TEST_F(SoundCuesTest, NewLifeStopsEverySound)
{
    StartEverySound();
    level = 0;
    StartLife();
    EXPECT_EQ(SoundsPlaying(), 0);
    EXPECT_EQ(engine_sound_on, 0);
}

TEST_F(SoundCuesTest, CompletedLevelStopsEverySound)
{
    StartEverySound();
    level = 1;
    lives = 1;
    RunLevelComplete();
    EXPECT_EQ(SoundsPlaying(), 0);
}

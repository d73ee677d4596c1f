// Where the game starts and stops its sounds: the whole program started on
// the headless backend, the state handlers run one frame at a time.
#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "sound/game_sounds.h"
#include "sound_fixture.h"

namespace {

class SoundCuesTest : public SoundTest {
protected:
    SoundCuesTest() { open_device = false; }

    void SetUp() override
    {
        SoundTest::SetUp();
        for (const char* name : {"engine", "fueling", "fuel_low", "missle", "explosion"}) {
            WriteBytes(folder / "sounds" / (std::string(name) + ".wav"), WaveFile(Constant(20000, 192)));
        }
        ASSERT_EQ(chdir(folder.c_str()), 0);
        HeadlessSetTicks(1000);
        AppStartUp();
        ASSERT_EQ(explosion_sounds[7], 26) << "start-up opens the device and loads the sounds";
        game_state = STATE_PLAYING;
    }

    void TearDown() override
    {
        AppShutDown();
        EXPECT_EQ(GetSoundStatus(engine_sound), -1) << "shut-down releases every sound";
        SoundTest::TearDown();
    }

    static void PlayFrame(std::vector<int> keys)
    {
        HeadlessHoldKeys(keys.data(), static_cast<int>(keys.size()));
        RunPlaying();
    }

    static int SoundsPlaying()
    {
        int playing = 0;
        for (int id = 0; id < SOUND_SLOT_COUNT; ++id) playing += GetSoundStatus(id) > 0;
        return playing;
    }
};

}  // namespace

TEST_F(SoundCuesTest, UpArrowStartsTheEngineLoopOncePerLifeAndSpaceAShot)
{
    PlayFrame({});
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);
    PlayFrame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(engine_sound), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_NEAR(MeanLevel(Mix(400)), LEVEL_64 * ExpectedGain(-1200), 1.0);
    // Stopped by hand, it stays off while the flag says it was started.
    StopSound(engine_sound);
    PlayFrame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);
    fire_cooldown = FIRE_INTERVAL;
    PlayFrame({DIK_SPACE});
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[0]), DSBSTATUS_PLAYING);
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[1]), 0);
}

TEST_F(SoundCuesTest, DyingStopsTheEngineAndEveryEndOfPlayStopsEverySound)
{
    struct Case {
        const char* what;
        void (*end)();
        int left_playing;
    };
    const Case cases[] = {
        {"a dying frame", [] { death_frames = 0; lives = 2; game_state = STATE_DYING; RunDying(); }, 2},
        {"game over", [] { death_frames = DEATH_FRAMES - 1; lives = 0; game_state = STATE_DYING; RunDying(); }, 0},
        {"Backspace", [] { PlayFrame({DIK_BACK}); }, 0},
        {"a new life", [] { level = 0; StartLife(); }, 0},
        {"a completed level", [] { level = 1; RunLevelComplete(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StopAllSounds();
        game_state = STATE_PLAYING;
        engine_sound_on = 0;
        PlayFrame({DIK_UP});
        PlaySoundEffect(fueling_sound, DSBPLAY_LOOPING);
        PlayExplosionSound();
        ASSERT_EQ(SoundsPlaying(), 3);
        c.end();
        EXPECT_EQ(GetSoundStatus(engine_sound), 0);
        EXPECT_EQ(SoundsPlaying(), c.left_playing);
    }
    level = 0;
    StartLife();
    game_state = STATE_PLAYING;
    PlayFrame({DIK_UP});
    EXPECT_NE(GetSoundStatus(engine_sound), 0) << "a new life lets the engine start again";
}

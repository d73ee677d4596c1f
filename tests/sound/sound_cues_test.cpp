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
    void SetUp() override
    {
        SoundTest::SetUp();
        CloseSoundDevice();
        for (const char* name : {"engine", "fueling", "fuel_low", "missle", "explosion"}) {
            WriteBytes(folder / "sounds" / (std::string(name) + ".wav"), WaveFile(Bytes(20000, 192)));
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
};

int SoundsPlaying()
{
    int playing = 0;
    for (int id = 0; id < SOUND_SLOT_COUNT; ++id) playing += GetSoundStatus(id) > 0;
    return playing;
}

}  // namespace

TEST_F(SoundCuesTest, UpArrowStartsTheEngineOncePerLifeSpaceAShotAndEveryEndOfPlayStopsThem)
{
    fire_cooldown = FIRE_INTERVAL;
    PlayFrame({DIK_SPACE});
    EXPECT_EQ(GetSoundStatus(engine_sound), 0);
    EXPECT_EQ(SoundsPlaying(), 1);
    EXPECT_EQ(GetSoundStatus(player_missile_sounds[0]), DSBSTATUS_PLAYING);
    StopAllSounds();
    PlayFrame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(engine_sound), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    StopSound(engine_sound);
    PlayFrame({DIK_UP});
    EXPECT_EQ(GetSoundStatus(engine_sound), 0) << "once a life: stopped by hand, it stays off";
    // A dying frame stops only the engine; the other ends stop everything.
    const std::pair<void (*)(), int> ends[] = {
        {[] { death_frames = 0; lives = 2; game_state = STATE_DYING; RunDying(); }, 2},
        {[] { death_frames = DEATH_FRAMES - 1; lives = 0; game_state = STATE_DYING; RunDying(); }, 0},
        {[] { PlayFrame({DIK_BACK}); }, 0},
        {[] { level = 1; RunLevelComplete(); }, 0},
        {[] { level = 0; StartLife(); }, 0},
    };
    for (const auto& [end, left_playing] : ends) {
        game_state = STATE_PLAYING;
        StopAllSounds();
        for (int id : {engine_sound, fueling_sound}) PlaySoundEffect(id, DSBPLAY_LOOPING);
        PlayExplosionSound();
        ASSERT_EQ(SoundsPlaying(), 3);
        end();
        EXPECT_EQ(GetSoundStatus(engine_sound), 0);
        EXPECT_EQ(SoundsPlaying(), left_playing);
    }
    game_state = STATE_PLAYING;
    PlayFrame({DIK_UP});
    EXPECT_NE(GetSoundStatus(engine_sound), 0) << "a new life lets the engine start again";
}

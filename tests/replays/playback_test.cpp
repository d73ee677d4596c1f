// A replay played in the running game: it plays the recorded game to the same
// end, ends on the first new press of any key, and leaves the game as it
// found it, random sequence included; attract mode starts it after the idle
// time on the main menu, silent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "app/hud.h"
#include "app/pause.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "platform/audio.h"
#include "platform/random.h"
#include "replays/attract.h"
#include "replays/demo_file.h"
#include "replays/playback.h"
#include "replays/recorder.h"
#include "replays_fixture.h"

namespace {

// Every byte of what the next game depends on.
std::vector<unsigned char> Now()
{
    std::vector<unsigned char> bytes;
    const auto add = [&bytes](const void* data, std::size_t size) {
        const auto* begin = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), begin, begin + size);
    };
    const int globals[] = {game_state,   score,         lives,           level,        fuel,     difficulty,
                           scroll_speed, player_dx,     fire_cooldown,   engine_sound_on,       death_frames,
                           camera_x,     camera_y,      bridge_x,        bridge_y,     fuel_blink};
    add(globals, sizeof globals);
    add(&craft, sizeof craft);
    add(&bridge, sizeof bridge);
    add(enemy_pools, sizeof enemy_pools);
    add(explosions, sizeof explosions);
    add(missiles, sizeof missiles);
    add(fuel_depots, sizeof fuel_depots);
    const wavedart::RandomState random = wavedart::SaveRandom();
    add(&random, sizeof random);
    return bytes;
}

class PlaybackTest : public ReplaysTest {
protected:
    // A game on hard recorded to its end, and the session back on the main
    // menu with a score of its own showing.
    void SetUp() override
    {
        ReplaysTest::SetUp();
        SetFinishedGameHandler([this](const FinishedGame& game) { recorded = game; });
        StartGame(DIK_D);
        for (int i = 0; i < 80; ++i) Frame({DIK_UP, DIK_SPACE, i % 30 < 15 ? DIK_LEFT : DIK_RIGHT});
        CrashUntilGameOver();
        Frame({DIK_BACK});
        Frame();
        ASSERT_EQ(game_state, STATE_MAIN_MENU);
        std::string error;
        ASSERT_TRUE(ParseDemo(recorded.replay, &demo, &error_at)) << error_at.what;
    }

    // Runs frames with nothing held until the replay has played out.
    int PlayOut()
    {
        int frames = 0;
        while (PlaybackActive() && !PlaybackPlayedOut() && frames < 20000) {
            Frame();
            frames += 1;
        }
        return frames;
    }

    FinishedGame recorded;
    Demo demo;
    DemoError error_at;
};

TEST_F(PlaybackTest, AWatchedReplayPlaysTheGameToItsEndAndAKeyReturnsDoingNothingElse)
{
    const std::vector<unsigned char> before = Now();
    std::string error;
    // The key that chose the replay is still held: only a new press ends it.
    Frame({DIK_RETURN});
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::WATCH, &error)) << error;
    for (int i = 0; i < 10; ++i) Frame({DIK_RETURN});
    EXPECT_TRUE(PlaybackActive());
    PlayOut();
    ASSERT_TRUE(PlaybackPlayedOut());
    EXPECT_EQ(PlaybackResult(), recorded.result);
    EXPECT_EQ(game_state, STATE_GAME_OVER);
    for (int i = 0; i < 100; ++i) Frame();
    EXPECT_TRUE(PlaybackActive());
    EXPECT_EQ(game_state, STATE_GAME_OVER);

    Frame({DIK_N});
    EXPECT_FALSE(PlaybackActive());
    EXPECT_TRUE(Now() == before);
    for (int i = 0; i < 5; ++i) Frame({DIK_N});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    Frame();
    Frame({DIK_N});
    EXPECT_EQ(game_state, STATE_NEW_GAME_MENU);
}

TEST_F(PlaybackTest, AReplayNeverPausesItselfAndOnlyAGamesReplayCanBeWatched)
{
    for (KeySnapshot& keys : demo.frames) keys[DIK_P] = 0x80;
    std::string error;
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::WATCH, &error));
    const int frames = PlayOut();
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_EQ(static_cast<uint32_t>(frames), recorded.result.frames);
    EXPECT_EQ(PlaybackResult(), recorded.result);
    StopPlayback();

    Demo session = demo;
    session.start = DemoStart::START_UP;
    Demo version1 = demo;
    version1.version = 1;
    Demo jumping = demo;
    jumping.jumps = {DemoJump{3, STATE_QUIT}};
    for (const PlaybackMode mode : {PlaybackMode::ATTRACT, PlaybackMode::AS_PLAYER}) {
        for (const Demo* refused : {&session, &version1, &jumping}) {
            EXPECT_FALSE(StartPlayback(*refused, mode, &error));
            EXPECT_EQ(error, "it is not the replay of one game");
        }
    }
    EXPECT_FALSE(PlaybackActive());
}

TEST_F(PlaybackTest, AGamePlayedAsThePlayersIsRecordedAsItWasAndThenTheDevicesTakeOver)
{
    FinishedGame again;
    SetFinishedGameHandler([&again](const FinishedGame& game) { again = game; });
    std::string error;
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::AS_PLAYER, &error)) << error;
    EXPECT_TRUE(PlaybackAsPlayer());
    for (int frame = 0; frame < 20000 && PlaybackActive(); ++frame) Frame();
    EXPECT_EQ(again.replay, recorded.replay);
    EXPECT_EQ(again.result, recorded.result);
    EXPECT_EQ(game_state, STATE_GAME_OVER);
    EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
    // No press is held back: the first one acts.
    Frame({DIK_BACK});
    Frame();
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

TEST_F(PlaybackTest, AKeyHandsAGamePlayedAsThePlayersOverToTheDevicesThere)
{
    FinishedGame again;
    SetFinishedGameHandler([&again](const FinishedGame& game) { again = game; });
    std::string error;
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::AS_PLAYER, &error));
    for (int i = 0; i < 40; ++i) Frame();
    ASSERT_EQ(game_state, STATE_PLAYING);
    CrashUntilGameOver();
    EXPECT_FALSE(PlaybackActive());
    const std::string head = recorded.replay.substr(0, recorded.replay.find("result"));
    EXPECT_EQ(again.replay.substr(0, head.size()), head);
    EXPECT_NE(again.result, recorded.result);
}

TEST_F(PlaybackTest, AttractModeStartsAfterTheIdleTimeSilentAndOneKeyEndsIt)
{
    int asked = 0;
    SetAttractSource([this, &asked](Demo* out) {
        asked += 1;
        *out = demo;
        return true;
    });
    Frame();
    const std::vector<unsigned char> before = Now();
    const int idle_frames = static_cast<int>(ATTRACT_IDLE_MS / FRAME_PERIOD_MS);
    for (int i = 0; i < idle_frames - 2; ++i) Frame();
    EXPECT_FALSE(PlaybackActive());
    // A key held sets it waiting again, from that frame.
    Frame({DIK_LEFT});
    for (int i = 0; i < idle_frames - 1; ++i) Frame();
    EXPECT_FALSE(PlaybackActive());
    EXPECT_EQ(asked, 0);
    Frame();
    ASSERT_TRUE(PlaybackActive());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    for (int i = 0; i < 40; ++i) Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);

    Frame({DIK_ESCAPE});
    EXPECT_FALSE(PlaybackActive());
    EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
    EXPECT_TRUE(Now() == before);
    for (int i = 0; i < 3; ++i) Frame({DIK_ESCAPE});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    SetAttractSource(nullptr);
}

TEST_F(PlaybackTest, AttractModeReturnsByItselfAWhileAfterTheEndScreen)
{
    SetAttractSource([this](Demo* out) {
        *out = demo;
        return true;
    });
    const std::vector<unsigned char> before = Now();
    for (int i = 0; i < 1100 && !PlaybackActive(); ++i) Frame();
    ASSERT_TRUE(PlaybackActive());
    PlayOut();
    EXPECT_EQ(game_state, STATE_GAME_OVER);
    for (int i = 0; i < ATTRACT_END_FRAMES; ++i) Frame();
    EXPECT_TRUE(PlaybackActive());
    Frame();
    EXPECT_FALSE(PlaybackActive());
    EXPECT_TRUE(Now() == before);
    SetAttractSource(nullptr);
}

}  // namespace

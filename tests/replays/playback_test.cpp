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
#include "replays_fixture.h"

namespace {

// Every byte of what the next game depends on.
std::vector<unsigned char> Now()
{
    std::vector<unsigned char> bytes;
    const auto add = [&bytes](const void* data, std::size_t size) {
        bytes.insert(bytes.end(), static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
    };
    const int globals[] = {game_state,    score,           lives,       level,    fuel,         difficulty,
                           scroll_speed,  player_dx,       fire_cooldown, engine_sound_on, death_frames,
                           camera_x,      camera_y,        bridge_x,    bridge_y, fuel_blink};
    const wavedart::RandomState random = wavedart::SaveRandom();
    add(globals, sizeof globals);
    add(&craft, sizeof craft);
    add(&bridge, sizeof bridge);
    add(enemy_pools, sizeof enemy_pools);
    add(explosions, sizeof explosions);
    add(missiles, sizeof missiles);
    add(fuel_depots, sizeof fuel_depots);
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
        PlayHardGame();
        game = recorded;
        DemoError error_at;
        ASSERT_TRUE(ParseDemo(game.replay, &demo, &error_at)) << error_at.what;
    }

    void Start(PlaybackMode mode)
    {
        std::string error;
        ASSERT_TRUE(StartPlayback(demo, mode, &error)) << error;
    }

    FinishedGame game;
    Demo demo;
};

TEST_F(PlaybackTest, AWatchedReplayPlaysTheGameToItsEndNeverPausedAndAKeyReturnsDoingNothingElse)
{
    const std::vector<unsigned char> before = Now();
    for (KeySnapshot& keys : demo.frames) keys[DIK_P] = 0x80;
    // The key that chose the replay is still held: only a new press ends it.
    Frame({DIK_RETURN});
    Start(PlaybackMode::WATCH);
    for (int i = 0; i < 10; ++i) Frame({DIK_RETURN});
    EXPECT_EQ(PlayOut() + 10, static_cast<int>(game.result.frames));
    ASSERT_TRUE(PlaybackPlayedOut());
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_EQ(PlaybackResult(), game.result);
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

TEST_F(PlaybackTest, OnlyAGamesReplayCanBePlayed)
{
    Demo session = demo, version1 = demo, jumping = demo;
    session.start = DemoStart::START_UP;
    version1.version = 1;
    jumping.jumps = {DemoJump{3, STATE_QUIT}};
    for (const PlaybackMode mode : {PlaybackMode::ATTRACT, PlaybackMode::AS_PLAYER}) {
        for (const Demo* refused : {&session, &version1, &jumping}) {
            std::string error;
            EXPECT_FALSE(StartPlayback(*refused, mode, &error));
            EXPECT_EQ(error, "it is not the replay of one game");
        }
    }
    EXPECT_FALSE(PlaybackActive());
}

// Played as the player's, a game is recorded as it was and then the devices
// take over; a key hands it over to them at once.
TEST_F(PlaybackTest, AGamePlayedAsThePlayersIsRecordedAsItWasAndAKeyHandsItOver)
{
    Start(PlaybackMode::AS_PLAYER);
    EXPECT_TRUE(PlaybackAsPlayer());
    for (int frame = 0; frame < 20000 && PlaybackActive(); ++frame) Frame();
    EXPECT_EQ(recorded.replay, game.replay);
    EXPECT_EQ(recorded.result, game.result);
    EXPECT_EQ(game_state, STATE_GAME_OVER);
    EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
    // No press is held back: the first one acts.
    Frame({DIK_BACK});
    Frame();
    ASSERT_EQ(game_state, STATE_MAIN_MENU);

    Start(PlaybackMode::AS_PLAYER);
    for (int i = 0; i < 40; ++i) Frame();
    ASSERT_EQ(game_state, STATE_PLAYING);
    CrashUntilGameOver();
    EXPECT_FALSE(PlaybackActive());
    const std::string head = game.replay.substr(0, game.replay.find("result"));
    EXPECT_EQ(recorded.replay.substr(0, head.size()), head);
    EXPECT_NE(recorded.result, game.result);
}

// Attract mode starts after the idle time, silent; one key ends it, and
// else it returns by itself a while after the end screen.
TEST_F(PlaybackTest, AttractModeStartsAfterTheIdleTimeSilentAndOneKeyOrItsEndEndsIt)
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

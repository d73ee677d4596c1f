// Bindings change the devices only: a game flown with rebound keys records
// the same replay as the same game flown with the default keys, and a replay
// plays to the same end whatever is bound.
#include <string>
#include <vector>

#include "input/bindings.h"
#include "replays/demo_file.h"
#include "replays/playback.h"
#include "replays/recorder.h"
#include "replays_fixture.h"

namespace {

class ReboundReplayTest : public ReplaysTest {
protected:
    void SetUp() override
    {
        ReplaysTest::SetUp();
        SetFinishedGameHandler([this](const FinishedGame& game) { recorded = game; });
    }

    void TearDown() override
    {
        ResetBindings();
        ReplaysTest::TearDown();
    }

    // A game on hard: weaving while firing, then into the bank until it is
    // over; back on the main menu afterwards.
    FinishedGame PlayGame(int up, int fire, int left, int right)
    {
        recorded = FinishedGame{};
        StartGame(DIK_D);
        for (int i = 0; i < 80; ++i) Frame({up, fire, i % 30 < 15 ? left : right});
        for (int frame = 0; frame < 5000 && game_state != STATE_GAME_OVER; ++frame) {
            Frame(game_state == STATE_PLAYING ? std::vector<int>{left, up, fire} : std::vector<int>{});
        }
        Frame({DIK_BACK});
        Frame();
        return recorded;
    }

    FinishedGame recorded;
};

}  // namespace

TEST_F(ReboundReplayTest, AGameFlownWithReboundKeysRecordsTheReplayOfTheDefaultKeys)
{
    const FinishedGame by_default = PlayGame(DIK_UP, DIK_SPACE, DIK_LEFT, DIK_RIGHT);
    ASSERT_FALSE(by_default.replay.empty());
    ASSERT_EQ(game_state, STATE_MAIN_MENU);

    BindKey(ACTION_FASTER, DIK_W);
    BindKey(ACTION_FIRE, DIK_LCONTROL);
    BindKey(ACTION_STEER_LEFT, DIK_RIGHT);  // swaps the two arrows
    const FinishedGame rebound = PlayGame(DIK_W, DIK_LCONTROL, DIK_RIGHT, DIK_LEFT);
    // The games start from different random states; their keys are the same.
    const auto keys = [](const std::string& replay) { return replay.substr(replay.find("\nframes ")); };
    EXPECT_EQ(keys(rebound.replay), keys(by_default.replay));
}

TEST_F(ReboundReplayTest, AReplayPlaysToTheSameEndWhateverIsBound)
{
    const FinishedGame game = PlayGame(DIK_UP, DIK_SPACE, DIK_LEFT, DIK_RIGHT);
    Demo demo;
    DemoError error_at;
    ASSERT_TRUE(ParseDemo(game.replay, &demo, &error_at)) << error_at.what;

    BindKey(ACTION_FIRE, DIK_UP);  // fire and faster swap
    BindKey(ACTION_STEER_LEFT, DIK_RIGHT);
    BindKey(ACTION_BACK, DIK_SPACE);
    std::string error;
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::WATCH, &error)) << error;
    for (int frames = 0; PlaybackActive() && !PlaybackPlayedOut() && frames < 20000; ++frames) Frame();
    ASSERT_TRUE(PlaybackPlayedOut());
    EXPECT_EQ(PlaybackResult(), game.result);
}

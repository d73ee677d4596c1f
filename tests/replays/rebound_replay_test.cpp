// Bindings change the devices only: a game flown with rebound keys records
// the same replay as the same game flown with the default keys, and a replay
// plays to the same end whatever is bound.
#include <string>

#include "input/bindings.h"
#include "replays/demo_file.h"
#include "replays_fixture.h"

TEST_F(ReplaysTest, AGameFlownWithReboundKeysRecordsAndReplaysAsWithTheDefaultKeys)
{
    PlayHardGame();
    const FinishedGame by_default = recorded;
    BindKey(ACTION_FASTER, DIK_W);
    BindKey(ACTION_FIRE, DIK_LCONTROL);
    BindKey(ACTION_STEER_LEFT, DIK_RIGHT);  // swaps the two arrows
    PlayHardGame(DIK_W, DIK_LCONTROL, DIK_RIGHT, DIK_LEFT);
    // The games start from different random states; their keys are the same.
    const auto keys = [](const std::string& replay) { return replay.substr(replay.find("\nframes ")); };
    EXPECT_EQ(keys(recorded.replay), keys(by_default.replay));

    BindKey(ACTION_FIRE, DIK_UP);  // fire and faster swap
    BindKey(ACTION_BACK, DIK_SPACE);
    Demo demo;
    DemoError error_at;
    ASSERT_TRUE(ParseDemo(by_default.replay, &demo, &error_at)) << error_at.what;
    std::string error;
    ASSERT_TRUE(StartPlayback(demo, PlaybackMode::WATCH, &error)) << error;
    PlayOut();
    ASSERT_TRUE(PlaybackPlayedOut());
    EXPECT_EQ(PlaybackResult(), by_default.result);
}

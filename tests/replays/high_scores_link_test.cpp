// The session hands a game that ends on to the high scores: a score that
// makes the table asks for initials, keeps the entry with its replay, and
// the table's screen plays that replay in the game and comes back to itself.
#include <string>

#include "high_scores/high_scores.h"
#include "profile/replays.h"
#include "profile/scores.h"
#include "replays/demo_file.h"
#include "replays/demo_play.h"
#include "replays_fixture.h"

TEST_F(ReplaysTest, AGameThatMakesTheTableIsKeptWithItsReplayWhichTheTablePlays)
{
    OpenScratchProfile();
    ConnectHighScores();
    // A game recorded elsewhere, played here from its start as it was.
    Demo demo;
    std::string error;
    ASSERT_TRUE(ReadDemo(std::string(SOURCE_DIR) + "/tests/demos/recorded_game_medium.demo", &demo, &error)) << error;
    Frame();
    ApplyDemoStart(demo);
    for (const KeySnapshot& keys : demo.frames) {
        HeadlessSetKeys(keys.data());
        AppFrame();
    }
    ASSERT_EQ(game_state, STATE_ENTER_INITIALS);
    Frame();
    for (int i = 0; i < 3; ++i) {
        Frame({DIK_RETURN});
        Frame();
    }
    ASSERT_EQ(game_state, STATE_HIGH_SCORES);
    const ScoreTables tables = LoadScores(SessionProfile());
    ASSERT_EQ(tables[1].size(), 1u);
    EXPECT_EQ(tables[1][0].score, demo.result.score);
    std::string text;
    ASSERT_TRUE(ReadReplay(SessionProfile(), tables[1][0].replay, &text));
    Demo again;
    DemoError problem;
    ASSERT_TRUE(ParseDemo(text, &again, &problem)) << problem.what;
    EXPECT_EQ(again.frames, demo.frames);
    EXPECT_EQ(again.result, demo.result);

    Frame({DIK_RETURN});
    ASSERT_TRUE(PlaybackActive());
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_TRUE(IsInGame(game_state));
    Frame({DIK_SPACE});
    EXPECT_FALSE(PlaybackActive());
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
}

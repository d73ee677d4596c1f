// The session hands a game that ends on to the high scores: a score that
// makes the table asks for initials, keeps the entry with its replay, and
// the table's screen plays that replay in the game and comes back to itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "high_scores/high_scores.h"
#include "profile/scores.h"
#include "replays/demo_file.h"
#include "replays/demo_play.h"
#include "replays/playback.h"
#include "replays_fixture.h"
#include "session/session_profile.h"

namespace {

namespace fs = std::filesystem;

TEST_F(ReplaysTest, AGameThatMakesTheTableIsKeptWithItsReplayWhichTheTablePlays)
{
    const fs::path folder = fs::temp_directory_path() / ("wavedart_links_" + std::to_string(getpid()));
    fs::remove_all(folder);
    OpenSessionProfile(folder);
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
    std::ifstream kept(folder / "replays" / tables[1][0].replay, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(kept), {});
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
    CloseSessionProfile();
    fs::remove_all(folder);
}

}  // namespace

// Attract mode's replay: the best game of the player's tables whose replay
// reads, one that does not set aside, and the game's own when there is none.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "profile/replays.h"
#include "profile/scores.h"
#include "replays/demo_file.h"
#include "session/session_profile.h"

namespace {

namespace fs = std::filesystem;

// A game's replay that says it scored score.
std::string GameReplay(int score)
{
    Demo demo;
    demo.version = 2;
    demo.start = DemoStart::NEW_GAME;
    demo.random = wavedart::SaveRandom();
    demo.has_result = true;
    demo.result = DemoResult{1, score, -1, 1, false};
    demo.frames.resize(1);
    return FormatDemo(demo);
}

TEST(AttractSource, TheBestReadableReplayOfTheTablesElseTheGamesOwn)
{
    const fs::path folder = fs::temp_directory_path() / ("wavedart_attract_" + std::to_string(getpid()));
    fs::remove_all(folder);
    const char* data = std::getenv("WAVEDART_DATA_DIR");
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(chdir(data), 0);
    OpenSessionProfile(folder);
    Profile& profile = SessionProfile();
    ASSERT_TRUE(profile.can_write);
    const auto add = [&profile](int difficulty, int score, const std::string& replay, const std::string& text) {
        const std::string name = replay.empty() ? "" : WriteNewReplay(profile, replay, text);
        ASSERT_EQ(name, replay);
        ASSERT_GT(AddScore(profile, difficulty, ScoreEntry{"ABC", score, 1, false, "2024-05-01", name}).rank, 0);
    };
    add(0, 900, "", "");
    add(1, 800, "broken.demo", "wavedart-demo 2\nnot a replay\n");
    add(1, 750, "newer.demo", "wavedart-demo 3\nwhatever a newer game writes\n");
    add(2, 700, "good.demo", GameReplay(700));
    add(0, 600, "lesser.demo", GameReplay(600));

    Demo demo;
    ASSERT_TRUE(LoadAttractReplay(&demo));
    EXPECT_EQ(demo.result.score, 700);
    EXPECT_FALSE(fs::exists(folder / "replays/broken.demo"));
    bool set_aside = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / "replays")) {
        set_aside |= entry.path().filename().string().rfind("broken.demo.bad-", 0) == 0;
    }
    EXPECT_TRUE(set_aside);
    EXPECT_TRUE(fs::exists(folder / "replays/newer.demo")) << "a newer game's replay stays for it";

    fs::remove(folder / "replays/good.demo");
    fs::remove(folder / "replays/lesser.demo");
    ASSERT_TRUE(LoadAttractReplay(&demo));
    EXPECT_EQ(demo.result.score, 80700) << "the game's own, all ten levels on medium";
    CloseSessionProfile();
    fs::remove_all(folder);
}

}  // namespace

// Attract mode's replay: the best game of the player's tables whose replay
// reads, one that does not set aside, and the game's own when there is none.
#include <filesystem>
#include <string>

#include "profile/replays.h"
#include "profile/scores.h"
#include "replays/demo_file.h"
#include "replays_fixture.h"

namespace fs = std::filesystem;

TEST_F(ReplaysTest, AttractModePlaysTheBestReadableReplayOfTheTablesElseTheGamesOwn)
{
    OpenScratchProfile();
    Profile& profile = SessionProfile();
    ASSERT_TRUE(profile.can_write);
    // A game's replay that says it scored score.
    Demo game;
    game.version = 2;
    game.start = DemoStart::NEW_GAME;
    game.random = wavedart::SaveRandom();
    game.has_result = true;
    game.frames.resize(1);
    const auto add = [&](int table, int points, const std::string& replay, const std::string& text) {
        game.result = DemoResult{1, points, -1, 1, false};
        const std::string name = replay.empty() ? "" : WriteNewReplay(profile, replay, text.empty() ? FormatDemo(game) : text);
        ASSERT_EQ(name, replay);
        ASSERT_GT(AddScore(profile, table, ScoreEntry{"ABC", points, 1, false, "2024-05-01", name}).rank, 0);
    };
    add(0, 900, "", "");
    add(1, 800, "broken.demo", "wavedart-demo 2\nnot a replay\n");
    add(1, 750, "newer.demo", "wavedart-demo 3\nwhatever a newer game writes\n");
    add(2, 700, "good.demo", "");
    add(0, 600, "lesser.demo", "");

    Demo demo;
    ASSERT_TRUE(LoadAttractReplay(&demo));
    EXPECT_EQ(demo.result.score, 700);
    const fs::path replays = profile_folder / "replays";
    EXPECT_FALSE(fs::exists(replays / "broken.demo"));
    bool set_aside = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(replays)) {
        set_aside |= entry.path().filename().string().starts_with("broken.demo.bad-");
    }
    EXPECT_TRUE(set_aside);
    EXPECT_TRUE(fs::exists(replays / "newer.demo")) << "a newer game's replay stays for it";

    fs::remove(replays / "good.demo");
    fs::remove(replays / "lesser.demo");
    ASSERT_TRUE(LoadAttractReplay(&demo));
    EXPECT_EQ(demo.result.score, 80700) << "the game's own, all ten levels on medium";
}

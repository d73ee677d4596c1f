#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "profile/replays.h"
#include "profile/scores.h"
#include "profile/settings_file.h"
#include "tests/profile/profile_fixture.h"

namespace fs = std::filesystem;

namespace {

ScoreEntry Entry(int score, std::string replay = "")
{
    return {"ABC", score, 1, false, "2024-05-01", std::move(replay)};
}

// The medium table in the folder's file, read without a profile so that
// nothing is set aside; empty when the file is not whole.
std::vector<int> MediumOnDisk(const fs::path& folder)
{
    ScoreTables tables;
    std::vector<int> scores;
    if (ParseScores(ReadText(folder / "scores.txt"), &tables).health != ParseOutcome::GOOD) return scores;
    for (const ScoreEntry& entry : tables[1]) scores.push_back(entry.score);
    return scores;
}

// A game in a child process of its own, with the profile in folder open.
pid_t Game(const fs::path& folder, const std::function<int(Profile&)>& body)
{
    const pid_t game = fork();
    if (game == 0) {
        Profile profile;
        OpenProfile(folder, &profile);
        _exit(body(profile));
    }
    return game;
}

}  // namespace

TEST(Saving, ScoresReplaysAndSettingsComeBackAsSaved)
{
    ScratchFolder scratch;
    Profile profile;
    OpenProfile(scratch.path, &profile);
    EXPECT_EQ(WriteNewReplay(profile, "run.demo", "wavedart-demo 1\n"), "run.demo");
    EXPECT_EQ(WriteNewReplay(profile, "run.demo", "wavedart-demo 1\n-\n"), "run-2.demo");
    EXPECT_EQ(WriteNewReplay(profile, "../run.demo", "x"), "");
    std::string text;
    EXPECT_TRUE(ReadReplay(profile, "run-2.demo", &text));
    EXPECT_EQ(text, "wavedart-demo 1\n-\n");
    // The table's order is the score table's own test; here what is saved.
    for (int score = 1; score <= SCORE_TABLE_SIZE; ++score) AddScore(profile, 1, Entry(score * 100, score == 1 ? "run.demo" : ""));
    const ScoreSave save = AddScore(profile, 1, Entry(550, "run-2.demo"));
    EXPECT_TRUE(save.rank == 6 && save.saved) << save.rank;
    EXPECT_EQ(save.dropped_replay, "run.demo");
    EXPECT_EQ(AddScore(profile, 1, {"ab", 900, 1, false, "2024-05-01", ""}).rank, 0);
    EXPECT_EQ(MediumOnDisk(scratch.path), (std::vector<int>{1000, 900, 800, 700, 600, 550, 500, 400, 300, 200}));
    EXPECT_EQ(LoadScores(profile)[1][5].replay, "run-2.demo");
    DeleteReplay(profile, save.dropped_replay);
    EXPECT_FALSE(fs::exists(scratch.path / "replays/run.demo"));
    // A newer game's key survives this game's save, after this game's own.
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\nvolume = 3\ntouch = on\nend\n");
    EXPECT_TRUE(SaveSettings(profile, {{"fullscreen", "yes"}, {"volume", "7"}}));
    EXPECT_FALSE(SaveSettings(profile, {{"bad key", "x"}}));
    EXPECT_EQ(ReadText(scratch.path / "settings.txt"), "wavedart-settings 1\nfullscreen = yes\nvolume = 7\ntouch = on\nend\n");
}

// Two games end with a high score at the same moment, a hundred times: both
// scores are always in the table.
TEST(Saving, TwoGamesAtOnceKeepBothScores)
{
    ScratchFolder scratch;
    for (int round = 0; round < 100; ++round) {
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        pid_t games[2];
        for (int game = 0; game < 2; ++game) {
            games[game] = Game(scratch.path, [&](Profile& profile) {
                close(start[1]);
                char go;
                // Both wait for the pipe to close, then add at once.
                if (read(start[0], &go, 1) != 0) return 3;
                return AddScore(profile, 1, Entry(1000 + 2 * round + game)).saved ? 0 : 1;
            });
        }
        close(start[0]);
        close(start[1]);
        for (const pid_t game : games) {
            int status = 0;
            waitpid(game, &status, 0);
            ASSERT_EQ(status, 0) << "round " << round;
        }
        const std::vector<int> table = MediumOnDisk(scratch.path);
        ASSERT_GE(table.size(), 2u);
        ASSERT_EQ(table[0], 1001 + 2 * round) << "round " << round;
        ASSERT_EQ(table[1], 1000 + 2 * round) << "round " << round;
    }
}

// A game killed at a random moment while it saves, 250 times: the table on
// the disk is always whole, the one before a save or the one after it.
TEST(Saving, AGameKilledWhileSavingLeavesTheOldTableOrTheNew)
{
    ScratchFolder scratch;
    Profile profile;
    OpenProfile(scratch.path, &profile);
    for (int score = 1; score <= 3; ++score) AddScore(profile, 1, Entry(score));
    std::mt19937 random(21);
    std::vector<int> previous = MediumOnDisk(scratch.path);
    int mid_save = 0, advanced = 0;
    for (int kill_count = 0; kill_count < 250; ++kill_count) {
        const int next = previous[0] + 1;
        fs::remove(scratch.path / "scores.txt.tmp");
        const pid_t game = Game(scratch.path, [next](Profile& own) {
            for (int score = next;; ++score) AddScore(own, 1, Entry(score));
            return 0;
        });
        usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
        mid_save += fs::exists(scratch.path / "scores.txt.tmp");
        // The game adds next, next + 1, ...: the best ten of those it saved
        // and of the table before.
        const std::vector<int> table = MediumOnDisk(scratch.path);
        ASSERT_FALSE(table.empty()) << "kill " << kill_count;
        std::vector<int> expected;
        for (int score = table[0]; score >= next; --score) expected.push_back(score);
        advanced += !expected.empty();
        expected.insert(expected.end(), previous.begin(), previous.end());
        expected.resize(std::min<std::size_t>(expected.size(), SCORE_TABLE_SIZE));
        ASSERT_EQ(table, expected) << "kill " << kill_count;
        previous = table;
    }
    EXPECT_TRUE(FilesStartingWith(scratch.path, "scores.txt.bad").empty());
    std::printf("250 kills: %d while a save was being written, %d after the table had moved on\n", mid_save, advanced);
    EXPECT_GT(mid_save, 0);
    EXPECT_GT(advanced, 0);
}

// A full disk (a file size limit, which holds for root as well): the game
// says once that scores will not be kept and the file on the disk stays.
TEST(Saving, AFullDiskKeepsTheOldFileAndSaysSoOnce)
{
    ScratchFolder scratch;
    Profile profile;
    OpenProfile(scratch.path, &profile);
    AddScore(profile, 0, Entry(500));
    const std::string before = ReadText(scratch.path / "scores.txt");
    std::string said;
    const int status = RunInChild(
        [&] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit none = {0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
            Profile full;
            OpenProfile(scratch.path, &full);
            return AddScore(full, 0, Entry(900)).saved || AddScore(full, 0, Entry(901)).saved ||
                   SaveSettings(full, {{"a", "b"}}) || !WriteNewReplay(full, "r.demo", "x").empty();
        },
        &said);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(said, "wavedart: cannot save in " + scratch.path.string() + " (File too large); scores will not be kept\n");
    EXPECT_EQ(FilesStartingWith(scratch.path, "scores.txt"), std::vector<std::string>{"scores.txt"});
    EXPECT_EQ(ReadText(scratch.path / "scores.txt"), before);
    EXPECT_TRUE(fs::is_empty(scratch.path / "replays"));
}

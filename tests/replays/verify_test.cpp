// wavedart --verify on a game recorded here on the headless backend: played
// unseen on the real backend, it prints the result line and exits 0 when the
// file says that result, 1 when it says another or none, 2 for a file it
// cannot read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "replays/demo_file.h"
#include "replays_fixture.h"
#include "tests/command_line/program_run.h"

TEST_F(ReplaysTest, VerifyExitsWithZeroOneOrTwoAsTheResultMatchesDiffersOrTheFileDoesNotRead)
{
    StartGame(DIK_M);
    CrashUntilGameOver();
    const std::string path = ::testing::TempDir() + "wavedart_verify_" + std::to_string(getpid()) + ".demo";
    const auto verify = [&path](const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
        return RunProgram("--verify " + path);
    };
    const std::string result = FormatDemoResult(recorded.result);
    const ProgramRun run = verify(recorded.replay);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, result + "\n");
    EXPECT_EQ(run.err, "");

    DemoResult other = recorded.result;
    other.score += 50;
    std::string changed = recorded.replay;
    changed.replace(changed.find(result), result.size(), FormatDemoResult(other));
    const ProgramRun mismatch = verify(changed);
    EXPECT_EQ(mismatch.status, 1);
    EXPECT_EQ(mismatch.out, result + "\n");
    EXPECT_NE(mismatch.err.find("says it ends with: " + FormatDemoResult(other) + "\n"), std::string::npos)
        << mismatch.err;
    // Frames past the game's end, as a game that went another way in
    // another version leaves: the game's end still ends the replay, and the
    // keys after it (N, a new game) never reach the menus.
    std::string outlasted = recorded.replay;
    const std::size_t count_at = outlasted.find("\nframes ") + 8;
    const std::size_t count_end = outlasted.find('\n', count_at);
    const int frames = std::stoi(outlasted.substr(count_at, count_end - count_at));
    outlasted.replace(count_at, count_end - count_at, std::to_string(frames + 30));
    for (int i = 0; i < 30; ++i) outlasted.insert(outlasted.rfind("end\n"), std::to_string(DIK_N) + "\n");
    const ProgramRun outlasting = verify(outlasted);
    EXPECT_EQ(outlasting.status, 0) << outlasting.err;
    EXPECT_EQ(outlasting.out, result + "\n");
    std::string unsaid = recorded.replay;
    EXPECT_EQ(verify(unsaid.erase(unsaid.find(result), result.size() + 1)).status, 1);

    std::string newer = recorded.replay;
    newer.replace(0, newer.find('\n'), "wavedart-demo 3");
    for (const std::string& unreadable : {std::string("garbage\n"), newer, recorded.replay.substr(0, 400)}) {
        const ProgramRun refused = verify(unreadable);
        EXPECT_EQ(refused.status, 2) << unreadable.substr(0, 40);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << refused.err;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(RunProgram("--verify " + path).status, 2);
}

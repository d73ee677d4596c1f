// A game recorded in the middle of a session, after another game and with a
// pause by P and a lost focus in it, plays in a fresh process (the replay
// tool) to the same trace and the same pictures, frame for frame, and the
// same result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/pause.h"
#include "platform/headless/headless_video.h"
#include "platform/window.h"
#include "replays/demo_file.h"
#include "replays_fixture.h"
#include "tools/demo/run_report.h"

namespace {

std::FILE* trace = nullptr;
unsigned traced = 0;
// The hash of the last picture shown in this frame, and of those of the
// frames the game ran, as the replay tool writes them.
uint64_t shown = 0;
std::string pictures;

// The replays' part of the frame, then the trace line and the pictures of a
// frame the game ran; a paused frame's picture is not the game's.
void TraceAfterFrame(int handler_ran)
{
    ReplaysAfterFrame(handler_ran);
    if (handler_ran) {
        ReportFrame(trace, ++traced, true);
        char line[64];
        std::snprintf(line, sizeof line, "%u %016" PRIx64 "\n", traced, shown);
        if (shown) pictures += line;
    }
    shown = 0;
}

// The lines of text that keep(line, next line) keeps.
template <class Keep> std::string Lines(const std::string& text, Keep keep)
{
    std::istringstream lines(text + "\n");
    std::string kept, line, next;
    std::getline(lines, line);
    for (bool more = true; more; line = next) {
        more = static_cast<bool>(std::getline(lines, next));
        if (keep(line, more ? next : "")) kept += line + "\n";
    }
    return kept;
}

// The frame lines of a trace, without the lines that mark levels and ends,
// from the game's first life on: the new game's own frame only resets the
// score and the ships, so its line still shows the actors as the frames
// before left them, which the game never reads again.
std::string FrameLines(const std::string& text)
{
    return Lines(text, [](const std::string& line, const std::string&) {
        return !line.empty() && line[0] >= '0' && line[0] <= '9' && !line.starts_with("1 ");
    });
}

// The last picture of each of the game's frames in the replay tool's lines.
// The frame's first picture may show what the screen held before with the
// game's palette: the screen before the game, or the pause's, which the
// replay never had.
std::string GamePictures(const std::string& text)
{
    return Lines(text, [](const std::string& line, const std::string& next) {
        return !line.empty() && !line.starts_with("0 ") && line.substr(0, line.find(' ')) != next.substr(0, next.find(' '));
    });
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The replay tool's trace of text, as a replay file of its own.
std::string RunTool(const std::string& text, const std::string& options = "")
{
    const std::string file = ::testing::TempDir() + "wavedart_recorded_" + std::to_string(getpid()) + ".demo";
    std::ofstream(file, std::ios::binary) << text;
    const std::string command = std::string(REPLAY_TOOL) + " --trace --data . " + options + file;
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << command;
    std::filesystem::remove(file);
    return out;
}

TEST_F(ReplaysTest, AGameRecordedAfterAnotherWithAPauseAndALostFocusReplaysTheSameInAFreshProcess)
{
    StartGame(DIK_E);
    for (int i = 0; i < 40; ++i) Frame({DIK_UP, DIK_SPACE});
    CrashUntilGameOver();
    Frame({DIK_BACK});
    Frame();

    trace = std::tmpfile();
    Frame({DIK_N});
    Frame({DIK_M});
    ASSERT_EQ(game_state, STATE_NEW_GAME);
    app_extensions.after_frame = TraceAfterFrame;
    HeadlessSetShowHook([](const HeadlessFrame* frame) { shown = HeadlessFrameHash(frame); });
    for (int i = 0; i < 60; ++i) Frame({DIK_UP, DIK_SPACE, i % 20 < 10 ? DIK_RIGHT : DIK_LEFT});
    Frame({DIK_P, DIK_UP});
    ASSERT_EQ(play_paused, PAUSE_BY_KEY);
    for (int i = 0; i < 10; ++i) Frame({DIK_SPACE, DIK_LEFT});
    Frame({DIK_P, DIK_SPACE});
    ASSERT_EQ(play_paused, PAUSE_NONE);
    for (int i = 0; i < 30; ++i) Frame({DIK_UP, DIK_SPACE});
    MainWindowProc(WM_KILLFOCUS, 0);
    for (int i = 0; i < 10; ++i) Frame({DIK_DOWN});
    ASSERT_EQ(play_paused, PAUSE_BY_FOCUS);
    MainWindowProc(WM_SETFOCUS, 0);
    Frame();
    Frame({DIK_RIGHT});
    ASSERT_EQ(play_paused, PAUSE_NONE);
    CrashUntilGameOver();
    app_extensions.after_frame = ReplaysAfterFrame;
    HeadlessSetShowHook(nullptr);
    EXPECT_EQ(recorded.difficulty, 1);
    EXPECT_EQ(recorded.result.ships, -1);
    EXPECT_EQ(recorded.result.frames, traced);

    const std::string pictures_file = ::testing::TempDir() + "wavedart_recorded_" + std::to_string(getpid()) + ".pictures";
    const std::string replayed = RunTool(recorded.replay, "--pictures " + pictures_file + " ");
    std::rewind(trace);
    std::string live;
    for (int c; (c = std::fgetc(trace)) != EOF;) live += static_cast<char>(c);
    EXPECT_EQ(FrameLines(replayed), FrameLines(live));
    EXPECT_GT(pictures.size(), 100u * 18);
    EXPECT_EQ(GamePictures(ReadAll(pictures_file)), pictures);
    std::filesystem::remove(pictures_file);
    EXPECT_NE(replayed.find(FormatDemoResult(recorded.result) + "\n"), std::string::npos) << replayed;
    Demo demo;
    DemoError error;
    ASSERT_TRUE(ParseDemo(recorded.replay, &demo, &error)) << error.what;
    EXPECT_EQ(demo.frames.size(), traced);
    EXPECT_TRUE(demo.jumps.empty());
    // The new game's own frame reads no keys, whatever is held.
    EXPECT_EQ(FormatKeyLine(demo.frames[0]), "-");
    std::fclose(trace);
}

TEST_F(ReplaysTest, ASessionRecordsWhatTheWindowDidAndReplaysToItsResult)
{
    StartSessionRecording();
    Frame();
    Frame({DIK_I});
    Frame({DIK_P});
    Frame({DIK_BACK});
    StartGame(DIK_E);
    CrashUntilGameOver();
    Frame({DIK_BACK});
    Frame();
    // Closing the window quits from wherever the game is.
    MainWindowProc(WM_CLOSE, 0);
    Frame();
    Frame();
    Demo demo;
    DemoError error;
    ASSERT_TRUE(ParseDemo(SessionRecording(), &demo, &error)) << error.what;
    EXPECT_EQ(demo.start, DemoStart::START_UP);
    EXPECT_EQ(demo.jumps, (std::vector<DemoJump>{DemoJump{static_cast<uint32_t>(demo.frames.size() - 1), STATE_QUIT}}));
    // P is pause's own key, never recorded.
    EXPECT_EQ(FormatKeyLine(demo.frames[2]), "-");
    EXPECT_EQ(demo.result.ships, -1);
    EXPECT_EQ(demo.result.frames, demo.frames.size());
    EXPECT_NE(RunTool(SessionRecording()).find("\n" + FormatDemoResult(demo.result) + "\n"), std::string::npos);
}

}  // namespace

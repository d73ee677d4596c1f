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
#include <vector>

#include "app/pause.h"
#include "platform/headless/headless_video.h"
#include "platform/window.h"
#include "replays/demo_file.h"
#include "replays/recorder.h"
#include "replays_fixture.h"
#include "tools/demo/run_report.h"

namespace {

std::vector<FinishedGame> finished;
std::FILE* trace = nullptr;
unsigned traced = 0;
// The hash of the last picture shown in this frame, and of those of the
// frames the game ran, as the replay tool writes them.
uint64_t shown = 0;
std::string pictures;

void KeepPicture(const HeadlessFrame* frame)
{
    shown = HeadlessFrameHash(frame);
}

// The replays' part of the frame, then the trace line and the pictures of a
// frame the game ran; a paused frame's picture is not the game's.
void TraceAfterFrame(int handler_ran)
{
    ReplaysAfterFrame(handler_ran);
    if (trace && handler_ran) {
        ReportFrame(trace, ++traced, true);
        char line[64];
        std::snprintf(line, sizeof line, "%u %016" PRIx64 "\n", traced, shown);
        if (shown) pictures += line;
    }
    shown = 0;
}

// The last picture of each of the game's frames in the replay tool's lines.
// The frame's first picture may show what the screen held before with the
// game's palette: the screen before the game, or the pause's, which the
// replay never had.
std::string GamePictures(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    std::string kept;
    std::string last;
    while (std::getline(lines, line)) {
        if (line.rfind("0 ", 0) == 0) continue;
        if (!last.empty() && line.substr(0, line.find(' ')) != last.substr(0, last.find(' '))) kept += last + "\n";
        last = line;
    }
    return last.empty() ? kept : kept + last + "\n";
}

// The frame lines of a trace, without the lines that mark levels and ends,
// from the game's first life on: the new game's own frame only resets the
// score and the ships, so its line still shows the actors as the frames
// before left them, which the game never reads again.
std::string FrameLines(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    std::string kept;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] >= '0' && line[0] <= '9' && line.rfind("1 ", 0) != 0) kept += line + "\n";
    }
    return kept;
}

std::string ReadAll(std::FILE* file)
{
    std::string text;
    char buffer[4096];
    while (file && std::fgets(buffer, sizeof buffer, file)) text += buffer;
    return text;
}

std::string RunTool(const std::string& replay, const std::string& pictures_file = "")
{
    const std::string command = std::string(REPLAY_TOOL) + " --trace --data . " +
                                (pictures_file.empty() ? "" : "--pictures " + pictures_file + " ") + replay;
    std::FILE* pipe = popen(command.c_str(), "r");
    const std::string out = ReadAll(pipe);
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << command;
    return out;
}

TEST_F(ReplaysTest, AGameRecordedAfterAnotherWithAPauseAndALostFocusReplaysTheSameInAFreshProcess)
{
    SetFinishedGameHandler([](const FinishedGame& game) { finished.push_back(game); });
    StartGame(DIK_E);
    for (int i = 0; i < 40; ++i) Frame({DIK_UP, DIK_SPACE});
    CrashUntilGameOver();
    ASSERT_EQ(finished.size(), 1u);
    Frame({DIK_BACK});
    Frame();

    trace = std::tmpfile();
    Frame({DIK_N});
    Frame({DIK_M});
    ASSERT_EQ(game_state, STATE_NEW_GAME);
    traced = 0;
    app_extensions.after_frame = TraceAfterFrame;
    HeadlessSetShowHook(KeepPicture);
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
    ASSERT_EQ(finished.size(), 2u);
    const FinishedGame& game = finished[1];
    EXPECT_EQ(game.difficulty, 1);
    EXPECT_EQ(game.result.ships, -1);
    EXPECT_EQ(game.result.frames, traced);

    const std::string file =
        (std::filesystem::temp_directory_path() / ("wavedart_recorded_game_" + std::to_string(getpid()) + ".demo"))
            .string();
    std::ofstream(file, std::ios::binary) << game.replay;
    const std::string pictures_file = file + ".pictures";
    const std::string replayed = RunTool(file, pictures_file);
    std::rewind(trace);
    EXPECT_EQ(FrameLines(replayed), FrameLines(ReadAll(trace)));
    std::ifstream tool_pictures(pictures_file);
    const std::string tool_lines(std::istreambuf_iterator<char>(tool_pictures), {});
    EXPECT_GT(pictures.size(), 100u * 18);
    EXPECT_EQ(GamePictures(tool_lines), pictures);
    std::filesystem::remove(pictures_file);
    EXPECT_NE(replayed.find(FormatDemoResult(game.result) + "\n"), std::string::npos) << replayed;
    Demo demo;
    std::string error;
    ASSERT_TRUE(ReadDemo(file, &demo, &error)) << error;
    EXPECT_EQ(demo.result, game.result);
    EXPECT_EQ(demo.frames.size(), traced);
    EXPECT_TRUE(demo.jumps.empty());
    // The new game's own frame reads no keys, whatever is held.
    EXPECT_EQ(FormatKeyLine(demo.frames[0]), "-");
    std::fclose(trace);
    std::filesystem::remove(file);
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
    ASSERT_EQ(demo.jumps.size(), 1u);
    EXPECT_EQ(demo.jumps[0].state, STATE_QUIT);
    EXPECT_EQ(demo.jumps[0].frame, demo.frames.size() - 1);
    // P is pause's own key, never recorded.
    EXPECT_EQ(FormatKeyLine(demo.frames[2]), "-");
    EXPECT_EQ(demo.result.ships, -1);
    EXPECT_EQ(demo.result.frames, demo.frames.size());

    const std::string file =
        (std::filesystem::temp_directory_path() / ("wavedart_recorded_session_" + std::to_string(getpid()) + ".demo"))
            .string();
    std::ofstream(file, std::ios::binary) << SessionRecording();
    const std::string replayed = RunTool(file);
    EXPECT_NE(replayed.find("\n" + FormatDemoResult(demo.result) + "\n"), std::string::npos) << replayed;
    std::filesystem::remove(file);
}

}  // namespace

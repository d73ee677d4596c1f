// Plays the game from the main menu to the game-finished screen through the
// headless backend, with key snapshots alone, and records what it played as
// a demo. Each frame of play follows a plan tried ahead on copies of the game.
//
// Usage: pilot [--seed N] [--demo FILE] [--replay FILE] [--data DIR] [--frames N]
//              [--levels N] easy|medium|hard
//   --seed N    the clock's first reading, which seeds the game (default 1)
//   --demo FILE where the demo goes
//   --replay FILE where the replay of the game goes, as the game records it
//               (from its first frame to its end; nothing for a game left
//               before it ended)
//   --data DIR  run in DIR, where the game's files are (default: here)
//   --frames N  give up after N frames (default 200000)
//   --levels N  leave the game once N levels are done
// Prints the replay tool's default lines as they fall, then a closing line
// on stderr. Once the game is finished or over, or the levels asked for are
// done, it goes back to the main menu and quits, so that the demo ends the
// game loop by itself. Exits with 0 when it got as far as it was asked and
// every try ahead reported back.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "replays/demo_file.h"
#include "replays/recorder.h"
#include "tools/demo/run_report.h"
#include "tools/pilot/lookahead.h"
#include "tools/pilot/pilot_plan.h"
#include "tools/pilot/pilot_turn.h"
#include "tools/pilot/river_spans.h"

namespace {

constexpr const char* DIFFICULTY_NAMES[] = {"easy", "medium", "hard"};

int chosen_difficulty = -1;
unsigned frame_limit = 200000;
int level_limit = MAX_LEVELS;
Demo demo;
bool spans_built = false;
// Set once the game is finished or over, or enough levels are done.
bool leaving = false;
bool game_over = false;
unsigned end_frame = 0;
std::string game_replay;

int PilotTurn(unsigned turn)
{
    // Turn t comes after frame t and before frame t + 1.
    if (turn > 0) ReportFrame(stdout, turn, false);
    if (turn >= frame_limit) return 1;
    if (!spans_built) {
        BuildCraftSpans();
        spans_built = true;
    }
    // The last turn takes the quit message; no frame follows it.
    if (game_state == STATE_CLOSING) return 0;
    if (!leaving && (game_state == STATE_GAME_FINISHED || game_state == STATE_GAME_OVER ||
                     (game_state == STATE_PLAYING && level >= level_limit))) {
        leaving = true;
        game_over = game_state == STATE_GAME_OVER;
        end_frame = turn;
    }
    KeySnapshot keys{};
    if (!leaving) {
        keys = PilotScreenKeys(chosen_difficulty);
    } else if (game_state == STATE_MAIN_MENU) {
        keys[DIK_ESCAPE] = 0x80;
    } else if (game_state == STATE_PLAYING || game_state == STATE_GAME_FINISHED || game_state == STATE_GAME_OVER) {
        keys[DIK_BACK] = 0x80;
    }
    demo.frames.push_back(keys);
    HeadlessSetKeys(keys.data());
    return 0;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: pilot [--seed N] [--demo FILE] [--replay FILE] [--data DIR] [--frames N] [--levels N] "
                 "easy|medium|hard\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* demo_path = nullptr;
    const char* replay_path = nullptr;
    const char* data_dir = nullptr;
    demo.start_tick = 1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            demo.start_tick = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!std::strcmp(argv[i], "--demo") && i + 1 < argc) {
            demo_path = argv[++i];
        } else if (!std::strcmp(argv[i], "--replay") && i + 1 < argc) {
            replay_path = argv[++i];
        } else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) {
            data_dir = argv[++i];
        } else if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) {
            frame_limit = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!std::strcmp(argv[i], "--levels") && i + 1 < argc) {
            level_limit = std::atoi(argv[++i]);
        } else if (chosen_difficulty < 0) {
            for (int d = 0; d < 3; ++d) {
                if (!std::strcmp(argv[i], DIFFICULTY_NAMES[d])) chosen_difficulty = d;
            }
            if (chosen_difficulty < 0) return Usage();
        } else {
            return Usage();
        }
    }
    if (chosen_difficulty < 0) return Usage();
    // Taken before entering the data folder, so that a relative name keeps
    // meaning a place under the folder the pilot was started in.
    const std::string demo_file = demo_path ? std::filesystem::absolute(demo_path).string() : "";
    const std::string replay_file = replay_path ? std::filesystem::absolute(replay_path).string() : "";
    if (replay_path) {
        app_extensions.before_frame = RecorderBeforeFrame;
        app_extensions.after_frame = RecorderAfterFrame;
        SetFinishedGameHandler([](const FinishedGame& game) { game_replay = game.replay; });
    }
    if (data_dir && chdir(data_dir) != 0) {
        std::fprintf(stderr, "pilot: cannot enter %s\n", data_dir);
        return 1;
    }
    HeadlessSetTicks(demo.start_tick);
    HeadlessSetTurnHook(PilotTurn);
    WinMain();
    std::fflush(stdout);

    if (!demo_file.empty() && !WriteDemo(demo_file, demo)) {
        std::fprintf(stderr, "pilot: cannot write %s\n", demo_file.c_str());
        return 1;
    }
    if (!replay_file.empty() && !(std::ofstream(replay_file, std::ios::binary) << game_replay)) {
        std::fprintf(stderr, "pilot: cannot write %s\n", replay_file.c_str());
        return 1;
    }
    const bool done = leaving && !game_over && level >= level_limit;
    std::fprintf(stderr,
                 "pilot: %s: %d levels done, score %d, deaths %d, frames %u; %ld tries ahead (%ld frames, "
                 "%ld failed), %ld hard searches\n",
                 DIFFICULTY_NAMES[chosen_difficulty], level, score, ReportedDeaths(), end_frame, TriesMade(),
                 FramesTried(), TriesFailed(), HardSearches());
    return done && TriesFailed() == 0 ? 0 : 1;
}

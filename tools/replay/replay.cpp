// Replays a demo through the real game loop on the headless backend.
//
// Usage: replay [--trace] [--pictures FILE] [--frames N] [--data DIR] DEMO
//   --trace     one line after every frame:
//               frame game_state score lives level fuel camera_y craft_x craft_y
//               scroll_speed enemies missiles depots bridge_state
//   --pictures FILE  one line in FILE for every picture shown (presents,
//               palette changes and fills of the visible surface): the frame
//               it was shown in, 0 before the first, and the picture's hash
//               in 16 hex digits
//   --frames N  stop after N frames
//   --data DIR  run in DIR, where the game's files are (default: here)
// Without --trace it prints one line at the end of each level and at each end
// screen. After a version 1 demo's last line no key is held; a version 2
// demo ends with its last line, or when the game in it ends, and then prints
// its result line, as wavedart --verify does.
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"
#include "replays/demo_file.h"
#include "replays/demo_play.h"
#include "tools/demo/run_report.h"

namespace {

Demo demo;
bool trace = false;
unsigned frame_limit = 0;
std::FILE* pictures = nullptr;
// The frame being played, 0 during the start-up.
unsigned picture_frame = 0;

void WritePicture(const HeadlessFrame* frame)
{
    std::fprintf(pictures, "%u %016" PRIx64 "\n", picture_frame, HeadlessFrameHash(frame));
}

std::size_t next_jump = 0;

// Version 2: every frame takes a line, as nothing pauses here, and the game
// of a game's replay ends the replay.
bool PlayedOut(unsigned turn)
{
    if (turn >= demo.frames.size()) return true;
    return turn > 0 && demo.start == DemoStart::NEW_GAME && !IsInGame(game_state);
}

int ReplayTurn(unsigned turn)
{
    // Turn t comes after frame t and before frame t + 1.
    if (turn > 0) ReportFrame(stdout, turn, trace);
    if (demo.version >= 2 && PlayedOut(turn)) {
        std::printf("%s\n", FormatDemoResult(CurrentResult(turn)).c_str());
        return 1;
    }
    picture_frame = turn + 1;
    if (frame_limit && turn >= frame_limit) return 1;
    if (demo.version >= 2) {
        if (turn == 0) ApplyDemoStart(demo);
        if (next_jump < demo.jumps.size() && demo.jumps[next_jump].frame == turn) {
            ApplyDemoJump(demo.jumps[next_jump++].state);
        }
        HeadlessSetKeys(ScreenKeys(demo, turn).data());
    } else if (turn < demo.frames.size()) {
        HeadlessSetKeys(demo.frames[turn].data());
    } else {
        HeadlessReleaseAllKeys();
    }
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: replay [--trace] [--pictures FILE] [--frames N] [--data DIR] DEMO\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* demo_path = nullptr;
    const char* data_dir = nullptr;
    const char* pictures_path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--trace")) {
            trace = true;
        } else if (!std::strcmp(argv[i], "--pictures") && i + 1 < argc) {
            pictures_path = argv[++i];
        } else if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) {
            frame_limit = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) {
            data_dir = argv[++i];
        } else if (argv[i][0] != '-' && !demo_path) {
            demo_path = argv[i];
        } else {
            return Usage();
        }
    }
    if (!demo_path) return Usage();
#ifdef _WIN32
    // Lines end in \n alone, as everywhere else, so that outputs compare byte
    // for byte across platforms.
    _setmode(_fileno(stdout), _O_BINARY);
#endif

    std::string error;
    if (!ReadDemo(demo_path, &demo, &error)) {
        std::fprintf(stderr, "replay: %s\n", error.c_str());
        return 1;
    }
    // Opened before entering the data folder, where a relative path would lead elsewhere.
    if (pictures_path) {
        pictures = std::fopen(pictures_path, "wb");
        if (!pictures) {
            std::fprintf(stderr, "replay: cannot write %s\n", pictures_path);
            return 1;
        }
        HeadlessSetShowHook(WritePicture);
    }
    if (data_dir && chdir(data_dir) != 0) {
        std::fprintf(stderr, "replay: cannot enter %s\n", data_dir);
        return 1;
    }
    HeadlessSetTicks(demo.start_tick);
    HeadlessSetTurnHook(ReplayTurn);
    const int status = WinMain();
    if (pictures) {
        const bool failed = std::ferror(pictures) != 0;
        if (std::fclose(pictures) != 0 || failed) {
            std::fprintf(stderr, "replay: cannot write %s\n", pictures_path);
            return 1;
        }
    }
    return status;
}

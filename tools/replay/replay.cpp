// Replays a demo through the real game loop on the headless backend.
//
// Usage: replay [--trace] [--frames N] [--data DIR] DEMO
//   --trace     one line after every frame:
//               frame game_state score lives level fuel camera_y craft_x craft_y
//               scroll_speed enemies missiles depots bridge_state
//   --frames N  stop after N frames
//   --data DIR  run in DIR, where the game's files are (default: here)
// Without --trace it prints one line at the end of each level and at each end
// screen. After the demo's last line no key is held.
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/shell.h"
#include "platform/headless/headless.h"
#include "tools/demo/demo_file.h"
#include "tools/demo/run_report.h"

namespace {

Demo demo;
bool trace = false;
unsigned frame_limit = 0;

int ReplayTurn(unsigned turn)
{
    // Turn t comes after frame t and before frame t + 1.
    if (turn > 0) ReportFrame(stdout, turn, trace);
    if (frame_limit && turn >= frame_limit) return 1;
    if (turn < demo.frames.size()) {
        HeadlessSetKeys(demo.frames[turn].data());
    } else {
        HeadlessReleaseAllKeys();
    }
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: replay [--trace] [--frames N] [--data DIR] DEMO\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* demo_path = nullptr;
    const char* data_dir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--trace")) {
            trace = true;
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
    if (data_dir && chdir(data_dir) != 0) {
        std::fprintf(stderr, "replay: cannot enter %s\n", data_dir);
        return 1;
    }
    HeadlessSetTicks(demo.start_tick);
    HeadlessSetTurnHook(ReplayTurn);
    return WinMain();
}

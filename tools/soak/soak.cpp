// A long run under the sanitizers: spells of the pilot's play and of random
// keys, one after the other, for a number of frames, watching the resident
// memory. Escape is never pressed, so the game never quits by itself.
//
// Usage: soak [--frames N] [--seed N] [--data DIR]
//   --frames N  frames to run (default 200000)
//   --seed N    seeds both the game's clock and the random keys (default 1)
//   --data DIR  run in DIR, where the game's files are (default: here)
// Prints a progress line every 10000 frames and the resident memory after
// frame 1000 and after the last frame. Exits with 1 when the last figure is
// more than 1% away from the first, or when a copy of the game made by the
// pilot to try moves ahead failed (under the sanitizers: found a fault).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "replays/demo_file.h"
#include "tools/pilot/lookahead.h"
#include "tools/pilot/pilot_plan.h"
#include "tools/pilot/pilot_turn.h"
#include "tools/pilot/river_spans.h"

namespace {

constexpr unsigned FIRST_MEASURE = 1000;
constexpr unsigned PROGRESS_EVERY = 10000;
constexpr double ALLOWED_GROWTH = 0.01;

// Keys a player presses; any other code but Escape now and then.
constexpr int PLAY_KEYS[] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN, DIK_SPACE};
constexpr int SCREEN_KEYS[] = {DIK_BACK, DIK_N, DIK_I, DIK_E, DIK_M, DIK_D, DIK_P};

unsigned frame_count = 200000;
std::mt19937 random_keys;
bool pilot_flies = true;
unsigned spell_end = 0;
int pilot_difficulty = 0;
KeySnapshot held{};
long first_resident = 0;
long last_resident = 0;

// Read without the heap: under ASan every block freed is held back in a
// quarantine, so a measurement through stdio would itself grow the figure.
long ResidentKiB()
{
    const int fd = open("/proc/self/statm", O_RDONLY);
    if (fd < 0) return 0;
    char text[128];
    const ssize_t got = read(fd, text, sizeof text - 1);
    close(fd);
    if (got <= 0) return 0;
    text[got] = '\0';
    long size = 0;
    long resident = 0;
    if (std::sscanf(text, "%ld %ld", &size, &resident) != 2) return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

unsigned Random(unsigned below)
{
    return static_cast<unsigned>(random_keys() % below);
}

// Random keys held for random stretches.
KeySnapshot RandomKeys()
{
    if (Random(8) != 0) return held;
    held.fill(0);
    for (int code : PLAY_KEYS) {
        if (Random(4) == 0) held[code] = 0x80;
    }
    for (int code : SCREEN_KEYS) {
        if (Random(30) == 0) held[code] = 0x80;
    }
    if (Random(20) == 0) {
        const int code = static_cast<int>(Random(256));
        if (code != DIK_ESCAPE) held[code] = 0x80;
    }
    return held;
}

int SoakTurn(unsigned turn)
{
    if (turn == FIRST_MEASURE) first_resident = ResidentKiB();
    if (turn > 0 && turn % PROGRESS_EVERY == 0) {
        std::printf("frame %u: state %d level %d score %d, resident %ld KiB\n", turn, game_state, level + 1,
                    score, ResidentKiB());
        std::fflush(stdout);
    }
    if (turn >= frame_count) {
        last_resident = ResidentKiB();
        return 1;
    }
    if (turn == 0) BuildCraftSpans();
    if (turn >= spell_end) {
        pilot_flies = !pilot_flies;
        if (pilot_flies) {
            DropPlan();
            pilot_difficulty = static_cast<int>(Random(3));
        }
        spell_end = turn + (pilot_flies ? 2000 + Random(6000) : 200 + Random(1300));
    }
    const KeySnapshot keys = pilot_flies ? PilotScreenKeys(pilot_difficulty) : RandomKeys();
    HeadlessSetKeys(keys.data());
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: soak [--frames N] [--seed N] [--data DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    uint32_t seed = 1;
    const char* data_dir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) {
            frame_count = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) {
            data_dir = argv[++i];
        } else {
            return Usage();
        }
    }
    if (frame_count <= FIRST_MEASURE) return Usage();
    if (data_dir && chdir(data_dir) != 0) {
        std::fprintf(stderr, "soak: cannot enter %s\n", data_dir);
        return 1;
    }
    random_keys.seed(seed);
    HeadlessSetTicks(seed);
    HeadlessSetTurnHook(SoakTurn);
    WinMain();

    const double growth =
        first_resident > 0 ? static_cast<double>(last_resident - first_resident) / static_cast<double>(first_resident)
                           : 1.0;
    std::printf("soak: %u frames; resident memory %ld KiB after frame %u, %ld KiB after frame %u (%+.3f%%); "
                "%ld tries ahead (%ld frames, %ld failed)\n",
                frame_count, first_resident, FIRST_MEASURE, last_resident, frame_count, 100.0 * growth, TriesMade(),
                FramesTried(), TriesFailed());
    const bool steady = growth <= ALLOWED_GROWTH && growth >= -ALLOWED_GROWTH;
    return steady && TriesFailed() == 0 ? 0 : 1;
}

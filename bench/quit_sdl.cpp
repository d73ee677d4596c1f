// How long the game takes to end once its quit fade is over. The game runs
// as its entry runs it, on whatever display and sound SDL finds, and is asked
// to close after a few frames, as a termination signal does. Printed: the
// fade's length; the time from its end to the last frame's work (the rest of
// the fade's frame and the turn that takes the destroy message); from there
// to WinMain's return (that frame's closing wait, the turn that takes the
// quit message, the shut-down and SDL's end); and the wall-clock moment the
// fade ended in nanoseconds, from which bench/quit_time.sh times the exit.
//
// Usage: bench_quit_sdl DATA_FOLDER; under xvfb-run where there is no display.
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "platform/window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FRAMES_BEFORE_CLOSE = 10;

int frames = 0;
Clock::time_point fade_start;
Clock::time_point fade_end;
Clock::time_point last_frame_end;
long long fade_end_wall_ns = 0;

void BeforeFrame()
{
    frames += 1;
    if (frames == FRAMES_BEFORE_CLOSE) PlatformRequestClose();
    // The close was taken in this turn: its frame is the fade.
    if (game_state == STATE_QUIT) fade_start = Clock::now();
}

void AfterFrame(int)
{
    last_frame_end = Clock::now();
    if (game_state != STATE_CLOSING || fade_end_wall_ns) return;
    fade_end = last_frame_end;
    fade_end_wall_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
}

double Ms(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_quit_sdl DATA_FOLDER\n");
        return 2;
    }
    if (chdir(argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    app_extensions.before_frame = BeforeFrame;
    app_extensions.after_frame = AfterFrame;
    const int result = WinMain();
    const Clock::time_point returned = Clock::now();
    if (!fade_end_wall_ns) return 1;
    std::printf("fade %.1f ms; then frames %.1f ms; last wait, shut-down and SDL %.1f ms; fade end %lld\n",
                Ms(fade_start, fade_end), Ms(fade_end, last_frame_end), Ms(last_frame_end, returned),
                fade_end_wall_ns);
    std::fflush(stdout);
    return result;
}

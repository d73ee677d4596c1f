// The game's CPU use in play, on SDL's dummy video and audio drivers. The
// dummy driver has no keyboard, so a virtual pad from SDL's own joystick
// layer does the playing: it reaches the game through the same controller
// path as a real pad. The program runs the game's message loop itself, as
// the game's entry does, and between turns moves the pad by what the screen
// asks for: Start on the main menu, A (medium) on the new-game screen, A held
// in play (hovering and firing), B on an end screen.
//
// Only the turns that begin in play count: their wall time and the CPU time
// of the whole process over them, audio thread included, and the frame
// period, from the start of one turn to the start of the next. The dying
// frames, with their one-second pause, and the menus stay out. At the end
// the program asks to close, as the window's close button does, and times
// the way out from that request to the end of the loop.
//
// Usage: bench_play_cpu_sdl [seconds of play] [data folder] [busy processes] [vsync 1|0|2]
// The data folder defaults (also when given empty) to the build's, beside
// this program's folder.
// Busy processes spin on their own meanwhile, as on a loaded machine. Vsync:
// 1 (the default) as in the game, 0 off, 2 forced (see bench_video_sdl.h). The
// video driver is SDL's dummy one unless SDL_VIDEODRIVER names another (run
// under xvfb-run with SDL_VIDEODRIVER=x11 for a virtual display).
#include <SDL.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "bench/bench_support.h"
#include "bench/bench_video_sdl.h"
#include "platform/window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Frames a screen is shown before the pad presses its button, so that the
// press is a new one there.
constexpr int PRESS_AFTER_FRAMES = 3;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The one button the screen asks for, held from the third frame on the
// screen; none before, so every press starts released.
SDL_GameControllerButton WantedButton(int state)
{
    switch (state) {
    case STATE_MAIN_MENU:
        return SDL_CONTROLLER_BUTTON_START;
    case STATE_NEW_GAME_MENU:
    case STATE_PLAYING:
        return SDL_CONTROLLER_BUTTON_A;
    case STATE_GAME_OVER:
    case STATE_GAME_FINISHED:
        return SDL_CONTROLLER_BUTTON_B;
    default:
        return SDL_CONTROLLER_BUTTON_INVALID;
    }
}

void MovePad(SDL_Joystick* pad, int state, int frames_on_screen)
{
    for (SDL_GameControllerButton button : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A,
                                            SDL_CONTROLLER_BUTTON_B}) {
        const bool held = button == WantedButton(state) && frames_on_screen >= PRESS_AFTER_FRAMES;
        SDL_JoystickSetVirtualButton(pad, button, held ? 1 : 0);
    }
}

std::string DefaultDataFolder(const char* self)
{
    const std::string path = self;
    const auto slash = path.rfind('/');
    return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/../data";
}

}  // namespace

int main(int argc, char** argv)
{
    const double play_seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const std::string data = argc > 2 && argv[2][0] ? argv[2] : DefaultDataFolder(argv[0]);
    const int busy_count = argc > 3 ? std::atoi(argv[3]) : 0;
    const int vsync = argc > 4 ? std::atoi(argv[4]) : 1;
    if (chdir(data.c_str()) != 0) {
        std::perror(data.c_str());
        return 1;
    }
    const BusyProcesses busy(busy_count);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The dummy window never has the focus; let the pad through regardless.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);

    if (!PlatformOpenWindow("Wavedart", 640, 480)) {
        std::fprintf(stderr, "window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    SDL_Joystick* pad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (!pad) {
        std::fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
        return 1;
    }
    main_window = 1;
    app_instance = 1;
    AppStartUp();
    ChooseVsync(vsync);
    PrintVideo(busy_count);

    double play_wall = 0;
    double play_cpu = 0;
    int play_frames = 0;
    int deaths = 0;
    int shots = 0;
    int shown_state = game_state;
    int frames_on_screen = 0;
    bool close_asked = false;
    Clock::time_point close_time;
    std::vector<double> periods;
    Clock::time_point previous_play_turn;
    bool previous_was_play = false;
    PlatformMessage msg{0, 0};
    for (;;) {
        const int state = game_state;
        if (state != shown_state) {
            if (state == STATE_DYING) ++deaths;
            shown_state = state;
            frames_on_screen = 0;
        }
        MovePad(pad, state, frames_on_screen++);
        if (!close_asked && play_wall >= play_seconds) {
            PlatformRequestClose();
            close_asked = true;
            close_time = Clock::now();
        }

        const Clock::time_point start = Clock::now();
        if (previous_was_play) {
            periods.push_back(std::chrono::duration<double, std::milli>(start - previous_play_turn).count());
        }
        const double cpu_start = CpuSeconds();
        if (PlatformPeekMessage(&msg)) {
            if (msg.message == WM_QUIT) break;
            MainWindowProc(msg.message, msg.wparam);
        }
        // A close request turns this turn's frame into the fade out.
        const bool playing = state == STATE_PLAYING && game_state == STATE_PLAYING;
        AppFrame();
        previous_was_play = playing;
        previous_play_turn = start;
        if (playing) {
            play_wall += std::chrono::duration<double>(Clock::now() - start).count();
            play_cpu += CpuSeconds() - cpu_start;
            ++play_frames;
            if (fire_cooldown == 0) ++shots;
        }
    }
    const double way_out = std::chrono::duration<double, std::milli>(Clock::now() - close_time).count();
    AppShutDown();
    SDL_JoystickClose(pad);
    PlatformCloseWindow();

    std::printf("%d play frames, %.1f s of wall time, used %.3f s of CPU: %.2f%% of one core\n",
                play_frames, play_wall, play_cpu, 100.0 * play_cpu / play_wall);
    std::printf("frame period in play over %zu frames: median %.2f ms, 99th percentile %.2f ms, "
                "max %.2f ms\n",
                periods.size(), Percentile(periods, 0.5), Percentile(periods, 0.99),
                Percentile(periods, 1.0));
    std::printf("from the close request to the end of the loop: %.0f ms\n", way_out);
    std::printf("shots fired %d, deaths %d; at the end level %d, score %d\n", shots, deaths,
                level + 1, score);
    return 0;
}

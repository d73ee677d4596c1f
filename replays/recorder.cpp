#include "replays/recorder.h"

#include <cstdio>

#include "app/game_state.h"
#include "app/hud.h"
#include "input/keyboard.h"
#include "replays/demo_play.h"
#include "replays/playback.h"

namespace {

struct Recording {
    bool active = false;
    Demo head;
    std::string lines;
    uint32_t frames = 0;
    // Frames played, recorded or not.
    uint32_t played = 0;
    // The state after the last frame recorded: a frame that starts in
    // another was put there by something outside the game's screens.
    int last_state = STATE_MAIN_MENU;
    bool too_long = false;
};

Recording game;
Recording session;
bool session_wanted = false;
std::function<void(const FinishedGame&)> finished_game_handler;

// Set before each frame.
int state_before = STATE_MAIN_MENU;
unsigned reads_before = 0;
bool playing = false;

void Begin(Recording* recording, DemoStart start)
{
    *recording = Recording{};
    recording->active = true;
    recording->head.version = DEMO_VERSION;
    recording->head.start = start;
    recording->head.difficulty = difficulty;
    recording->head.death_frames = death_frames;
    recording->head.fuel_blink = fuel_blink;
    recording->head.random = wavedart::SaveRandom();
    recording->last_state = state_before;
}

// The frame's line: the keys the screen read, without P, or "-" when it
// read none.
std::string FrameLine()
{
    if (keyboard_reads == reads_before) return "-";
    KeySnapshot keys{};
    for (int code = 0; code < 256; ++code) keys[code] = KeyState[code];
    keys[DIK_P] = 0;
    return FormatKeyLine(keys);
}

void Append(Recording* recording, const std::string& line)
{
    recording->played += 1;
    if (recording->frames >= DEMO_MAX_FRAMES) {
        recording->too_long = true;
        return;
    }
    if (state_before != recording->last_state) recording->lines += "state " + std::to_string(state_before) + "\n";
    recording->lines += line;
    recording->lines += '\n';
    recording->frames += 1;
    recording->last_state = game_state;
    recording->head.has_result = true;
    recording->head.result = CurrentResult(recording->frames);
}

std::string Text(const Recording& recording)
{
    return FormatDemoHeader(recording.head) + "frames " + std::to_string(recording.frames) + "\n" +
           recording.lines + "end\n";
}

void EndGame()
{
    FinishedGame finished;
    finished.result = CurrentResult(game.played);
    finished.difficulty = game.head.difficulty;
    if (!game.too_long) finished.replay = Text(game);
    game = Recording{};
    if (finished_game_handler) finished_game_handler(finished);
}

}  // namespace

void SetFinishedGameHandler(std::function<void(const FinishedGame&)> handler)
{
    finished_game_handler = std::move(handler);
}

void StartSessionRecording()
{
    session_wanted = true;
}

std::string SessionRecording()
{
    return Text(session);
}

void RecorderBeforeFrame()
{
    playing = PlaybackActive() && !PlaybackAsPlayer();
    state_before = game_state;
    reads_before = keyboard_reads;
    if (playing) return;
    if (session_wanted && !session.active) Begin(&session, DemoStart::START_UP);
    if (!game.active && game_state == STATE_NEW_GAME) Begin(&game, DemoStart::NEW_GAME);
}

void RecorderAfterFrame(int handler_ran)
{
    if (playing || !handler_ran || !IsGameScreen(state_before)) return;
    const std::string line = FrameLine();
    if (session.active) {
        const bool was_too_long = session.too_long;
        Append(&session, line);
        if (session.too_long && !was_too_long) {
            std::fprintf(stderr, "wavedart: the session is longer than %zu frames; its recording stops there\n",
                         DEMO_MAX_FRAMES);
        }
    }
    if (!game.active) return;
    Append(&game, line);
    if (IsGameEnd(game_state)) {
        EndGame();
    } else if (!IsInGame(game_state)) {
        game = Recording{};
    }
}

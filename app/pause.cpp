#include "app/pause.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "app/game_state.h"
#include "graphics/display.h"
#include "graphics/text_line.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "input/gamepad.h"
#include "input/keyboard.h"
#include "platform/audio.h"

int play_paused = PAUSE_NONE;
int window_focused = 1;
int pause_on_focus_loss = 1;

namespace {

// Bit i of a key mask stands for PAUSE_KEYS[i].
constexpr int PAUSE_KEYS[] = {DIK_P, DIK_UP, DIK_DOWN, DIK_LEFT, DIK_RIGHT};
constexpr unsigned P_KEY_BIT = 1;
constexpr unsigned ARROW_KEY_BITS = 0x1E;

// What the screen says for each kind of pause, indexed by play_paused, and
// whether the keys that fly the craft end it too, beside the pause's own.
struct PauseText {
    const char* title;
    bool flying_keys_go_on;
};
constexpr PauseText PAUSE_TEXTS[] = {
    {"", false},
    {"PAUSED", false},
    {"PAUSED", true},
    {"PAUSED: PAD UNPLUGGED", true},
};
constexpr int LINE_HEIGHT = 24;

// The keys among PAUSE_KEYS held in the last play frame.
unsigned keys_held = 0;

// The keys among PAUSE_KEYS that went down since the last play frame: a key
// held on acts once.
unsigned TakePresses()
{
    unsigned now = 0;
    for (int i = 0; i < static_cast<int>(std::size(PAUSE_KEYS)); ++i) {
        if (KeyState[PAUSE_KEYS[i]]) now |= 1u << i;
    }
    const unsigned pressed = now & ~keys_held;
    keys_held = now;
    return pressed;
}

// The presses that end the pause, by the keys and buttons bound now: "Press
// P or Start to go on" as the game comes.
void FormatPauseHint(const PauseText& text, char* hint, int size)
{
    const char* key = KeyName(bindings[ACTION_PAUSE].key);
    const char* button = ButtonName(bindings[ACTION_PAUSE].button);
    if (!text.flying_keys_go_on) {
        std::snprintf(hint, static_cast<size_t>(size), "Press %s or %s to go on", key, button);
        return;
    }
    bool arrows = true;
    for (int action : {ACTION_STEER_LEFT, ACTION_STEER_RIGHT, ACTION_FASTER, ACTION_SLOWER}) {
        arrows = arrows && bindings[action].key == DEFAULT_BINDINGS[action].key;
    }
    std::snprintf(hint, static_cast<size_t>(size), "Press %s, %s or %s to go on", key, button,
                  arrows ? "an arrow" : "a steering key");
}

// Shadowed, so that it reads over the banks, the water and the actors alike.
void DrawCentredLine(const char* text, int y)
{
    DrawShadowedText(text, ScreenCentredX(text), y, TEXT_WHITE);
}

void StartPause(int reason)
{
    play_paused = reason;
    PlatformPauseAudio(1);
    // The back surface still holds the last frame of play.
    const int title_y = (screen_height - GLYPH_HEIGHT) / 2;
    char hint[80];
    FormatPauseHint(PAUSE_TEXTS[reason], hint, sizeof hint);
    DrawCentredLine(PAUSE_TEXTS[reason].title, title_y);
    DrawCentredLine(hint, title_y + LINE_HEIGHT);
    PresentFrame();
}

void EndPause()
{
    play_paused = PAUSE_NONE;
    PlatformPauseAudio(0);
}

}  // namespace

int RunPause()
{
    if (game_state != STATE_PLAYING) {
        // Play was left while paused, by closing the window.
        if (play_paused != PAUSE_NONE) EndPause();
        return 0;
    }
    ReadKeyboard();
    const unsigned pressed = TakePresses();
    if (play_paused == PAUSE_NONE) {
        if (pressed & P_KEY_BIT) {
            StartPause(PAUSE_BY_KEY);
        } else if (!window_focused && pause_on_focus_loss) {
            StartPause(PAUSE_BY_FOCUS);
        } else if (gamepad_unplugged) {
            StartPause(PAUSE_BY_UNPLUG);
        } else {
            return 0;
        }
        return 1;
    }
    const unsigned resume_keys =
        play_paused == PAUSE_BY_KEY ? P_KEY_BIT : P_KEY_BIT | ARROW_KEY_BITS;
    if (window_focused && (pressed & resume_keys)) {
        EndPause();
        return 0;
    }
    return 1;
}

#include "tools/pilot/pilot_turn.h"

#include "app/game_state.h"
#include "app/pause.h"
#include "input/key_codes.h"
#include "tools/pilot/pilot_plan.h"
#include "tools/pilot/pilot_steer.h"

KeySnapshot PilotScreenKeys(int chosen_difficulty)
{
    constexpr int DIFFICULTY_KEYS[] = {DIK_E, DIK_M, DIK_D};
    // P held in the frame before, so that the next press is a new one.
    static bool pressed_p = false;
    KeySnapshot keys{};
    if (game_state != STATE_PLAYING || play_paused != PAUSE_NONE) DropPlan();
    if (game_state == STATE_PLAYING && play_paused != PAUSE_NONE) {
        pressed_p = !pressed_p;
        if (pressed_p) keys[DIK_P] = 0x80;
        return keys;
    }
    pressed_p = false;
    switch (game_state) {
    case STATE_MAIN_MENU:
        keys[DIK_N] = 0x80;
        break;
    case STATE_NEW_GAME_MENU:
        keys[DIFFICULTY_KEYS[chosen_difficulty]] = 0x80;
        break;
    case STATE_INSTRUCTIONS:
    case STATE_GAME_OVER:
    case STATE_GAME_FINISHED:
        keys[DIK_BACK] = 0x80;
        break;
    case STATE_PLAYING:
        keys = PilotKeySnapshot(NextPlayKeys());
        break;
    default:
        break;
    }
    return keys;
}

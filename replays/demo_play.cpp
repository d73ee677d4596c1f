#include "replays/demo_play.h"

#include "app/game_state.h"
#include "app/hud.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/window.h"

bool IsGameScreen(int state)
{
    return state >= STATE_MAIN_MENU && state <= STATE_LEVEL_COMPLETE && state != 3 && state != STATE_CLOSING;
}

bool IsInGame(int state)
{
    return state == STATE_NEW_GAME || state == STATE_START_LIFE || state == STATE_PLAYING || state == STATE_DYING ||
           state == STATE_LEVEL_COMPLETE;
}

bool IsGameEnd(int state)
{
    return state == STATE_GAME_OVER || state == STATE_GAME_FINISHED;
}

void ApplyDemoStart(const Demo& demo)
{
    difficulty = demo.difficulty;
    death_frames = demo.death_frames;
    fuel_blink = demo.fuel_blink;
    wavedart::RestoreRandom(demo.random);
    if (demo.start == DemoStart::NEW_GAME) game_state = STATE_NEW_GAME;
}

void ApplyDemoJump(int state)
{
    if (state == STATE_QUIT) {
        MainWindowProc(WM_CLOSE, 0);
    } else {
        game_state = state;
    }
}

KeySnapshot ScreenKeys(const Demo& demo, uint32_t frame)
{
    KeySnapshot keys = demo.frames[frame];
    if (demo.version >= 2) keys[DIK_P] = 0;
    return keys;
}

DemoResult CurrentResult(uint32_t frames)
{
    DemoResult result;
    // The level being played, or for a finished game the last one.
    result.level = level < MAX_LEVELS ? level + 1 : MAX_LEVELS;
    result.score = score;
    result.ships = lives;
    result.frames = frames;
    result.finished = game_state == STATE_GAME_FINISHED;
    return result;
}

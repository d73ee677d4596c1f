// What playing a demo does to the game, the same in the running game, in the
// replay tool and in --verify: where it starts, the states it puts the game
// in, which frames take a key line, and what it ends with.
#pragma once

#include "replays/demo_file.h"

// The game's own states that have a screen (a handler): the frames a
// version 2 demo has a key line for.
bool IsGameScreen(int state);
// The states a game passes through from its first frame until it ends.
bool IsInGame(int state);
// Game over or finished.
bool IsGameEnd(int state);

// Puts the game where a version 2 demo starts: the values it carries over,
// the random sequence, and for a game its first frame. A session starts from
// the program's start-up, so the game must be as it is then.
void ApplyDemoStart(const Demo& demo);
// Puts the game in a state as a demo's "state" line says: closing the window
// for the quit, as it was recorded, otherwise the state itself.
void ApplyDemoJump(int state);
// The key line as the game's screens are to read it: without P, so that a
// version 2 demo never pauses itself.
KeySnapshot ScreenKeys(const Demo& demo, uint32_t frame);

// What the game stands at now, after frames frames of a demo.
DemoResult CurrentResult(uint32_t frames);

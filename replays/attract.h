// Attract mode: after ATTRACT_IDLE_MS with nothing pressed on the main menu,
// a replay plays in the game, silent, under a banner that says how to
// return; any key or button returns to the main menu, and that press does
// nothing else. Neither the waiting nor the replay touches the random
// sequence of the player's next game.
#pragma once

#include <cstdint>
#include <functional>

#include "replays/demo_file.h"

constexpr uint32_t ATTRACT_IDLE_MS = 30000;

// Gives the replay to play: fills *demo and returns true, or false when
// there is none (attract mode then waits the idle time again).
void SetAttractSource(std::function<bool(Demo*)> source);
// The attract mode's part of every frame, before the playback's.
void AttractBeforeFrame();

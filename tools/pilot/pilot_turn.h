// What the pilot holds on each screen: a new game at its difficulty from the
// menus, planned play, nothing while a life ends or starts, and Backspace on
// the end screens.
#pragma once

#include "replays/demo_file.h"

// difficulty: 0 easy, 1 medium, 2 hard.
KeySnapshot PilotScreenKeys(int difficulty);

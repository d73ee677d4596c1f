// --verify: a replay played unseen, as fast as it goes, and its result
// checked against the one it says it has.
#pragma once

#include <string>

#include "replays/demo_file.h"

// Plays the demo from start-up on the game's own loop and prints its result
// line. Returns 0 when the demo says it has that result, 1 when it says
// another or none (said in one line), 2 when the game could not run. name
// is how the file is called in messages.
int VerifyReplay(const Demo& demo, const std::string& name);

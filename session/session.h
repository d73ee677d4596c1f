// What the game's program sets up around the game from its command line:
// the display for this run, the recording of every game and of the session,
// a replay to play, attract mode and the high scores; or, for --verify,
// nothing but the replay, unseen. The replay tool, the pilot and the tests
// set up none of it.
#pragma once

// Runs the program; returns its exit status.
int RunSession(int argc, char** argv);

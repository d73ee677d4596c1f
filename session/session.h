// What the game's program sets up around the game from its command line:
// the player's settings, with those chosen for this run, and the Options
// screen, the recording of every game and of the session, a replay to play,
// attract mode and the high scores; or, for --verify,
// nothing but the replay, unseen. The replay tool, the pilot and the tests
// set up none of it.
#pragma once

// Runs the program; returns its exit status.
int RunSession(int argc, char** argv);

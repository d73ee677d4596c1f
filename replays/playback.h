// A demo played in the running game: the game itself runs, with its sound,
// heads-up display and end screens, fed the demo's keys through the keyboard
// layer in place of the devices. The game as it stood is kept aside and put
// back when the playback ends, so that the player's next game is the one it
// would have been.
#pragma once

#include <string>

#include "replays/demo_file.h"

enum class PlaybackMode {
    // Watching a replay from a screen of the program: any key or button
    // returns to that screen. The end screen stays until then.
    WATCH,
    // Attract mode: as WATCH, silent, and back by itself a while after the
    // end screen shows.
    ATTRACT,
    // --play: any key or button quits, as does a recorded session's own quit.
    COMMAND_LINE,
    // --verify: no devices read, nothing shown over the game; the program
    // quits once the demo is played.
    VERIFY,
    // The replay of one game played as if the player pressed its keys, for
    // the page's tests: nothing is shown over it, its game is recorded and
    // ends as the player's would (the high scores may ask for initials), and
    // then, or at any key or button, the devices take over where it stands.
    AS_PLAYER,
};

// Frames the end screen of a game shows in attract mode before the menu
// comes back: five seconds.
constexpr int ATTRACT_END_FRAMES = 167;

// Starts playing the demo with the next frame, returning afterwards to the
// state the game is in now. WATCH and ATTRACT play only the replays of games
// (a session plays only from start-up, with COMMAND_LINE or VERIFY). False,
// with the reason in *error, when this demo cannot play so.
bool StartPlayback(const Demo& demo, PlaybackMode mode, std::string* error);
bool PlaybackActive();
// Whether what plays now is to be taken as the player's own play.
bool PlaybackAsPlayer();
// Ends the playback as a key would.
void StopPlayback();
// What the game stood at when the demo's last line had played (or the game
// it holds had ended); for VERIFY once the program has quit.
DemoResult PlaybackResult();
// 1 once every line of the demo has played, or the game in it has ended.
int PlaybackPlayedOut();

// The playback's part of every frame: before it, its keys (or, on a new
// press of a key or button, the end); after it, the next line.
void PlaybackBeforeFrame();
void PlaybackAfterFrame(int handler_ran);

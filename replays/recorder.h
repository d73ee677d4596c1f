// Recording what the player plays as version 2 demos (replays/demo_file.h):
// every game from its first frame until it ends, handed on when it ends, and
// with --record the whole session. What is recorded is what the game's
// screens read, in the frames in which one ran: frames paused, frames of the
// screens added around the game and frames of a replay being played are left
// out, and so is P, pause's own key.
#pragma once

#include <functional>
#include <string>

#include "replays/demo_file.h"

struct FinishedGame {
    // The game's replay, a whole demo file; empty when the game was too long
    // to keep (over DEMO_MAX_FRAMES frames).
    std::string replay;
    DemoResult result;
    int difficulty = 0;
};

// Called in the frame a game ends (game over or finished), after the frame
// that ended it. An empty function hands nothing on.
void SetFinishedGameHandler(std::function<void(const FinishedGame&)> handler);

// Records the whole session, from the next frame on, beside the games.
void StartSessionRecording();
// The session so far, with what it stood at after its last recorded frame.
std::string SessionRecording();

// The recorder's part of every frame.
void RecorderBeforeFrame();
void RecorderAfterFrame(int handler_ran);

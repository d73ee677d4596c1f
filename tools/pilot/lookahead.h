// Trying moves ahead on a copy of the game: each try runs in a forked child
// that plays the frames itself and reports back through a pipe, leaving the
// running game untouched. The game is deterministic, so the keys a try
// reports give the same frames when the running game plays them.
#pragma once

#include "tools/pilot/pilot_steer.h"

constexpr int LOOKAHEAD_FRAMES = 60;

// A try: the style's keys, with the steering and speed keys replaced by
// prefix_keys over the first prefix_frames frames.
struct PlanTry {
    PilotStyle style;
    unsigned prefix_keys;
    int prefix_frames;
};

constexpr int PLAN_ALIVE = 0;
constexpr int PLAN_DIED = 1;
constexpr int PLAN_LEVEL_DONE = 2;

struct PlanResult {
    int outcome;
    // Frames played: the frame of the crash or of the level's end, else all.
    int frames;
    // World rows climbed.
    int progress;
    // Fuel left at the end beyond what the climb to the next depot (or to
    // the top) burns; negative when the tank runs dry first.
    int fuel_margin;
    unsigned char keys[LOOKAHEAD_FRAMES];
};

// Plays the try on a copy of the game for up to frames frames (at most
// LOOKAHEAD_FRAMES). False when no copy could be made.
bool TryAhead(const PlanTry& plan, int frames, PlanResult* result);
// Tries made and frames played by them since the start.
long TriesMade();
long FramesTried();
// Tries whose copy could not be made or did not report: under the
// sanitizers, a copy that found a fault stops with a report on stderr.
long TriesFailed();

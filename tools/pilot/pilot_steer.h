// The pilot's reflexes: the keys of one play frame, worked out from the game
// state alone. A style biases them; the lookahead tries several styles.
#pragma once

#include "graphics/sprite.h"
#include "replays/demo_file.h"

// The play keys as bits of one byte.
constexpr unsigned PILOT_LEFT = 1;
constexpr unsigned PILOT_RIGHT = 2;
constexpr unsigned PILOT_UP = 4;
constexpr unsigned PILOT_DOWN = 8;
constexpr unsigned PILOT_FIRE = 16;
constexpr unsigned PILOT_STEER_KEYS = PILOT_LEFT | PILOT_RIGHT | PILOT_UP | PILOT_DOWN;

struct PilotStyle {
    // Pixels right (or left, negative) of the middle of the river ahead.
    int lane;
    // Forward speed sought, 1 to 5 pixels a frame; the difficulty's
    // slowest speed is the least once the craft moves.
    int speed;
};

constexpr PilotStyle DEFAULT_STYLE = {0, 5};

// The keys for the next play frame.
unsigned SteerKeys(const PilotStyle& style);
// By the game's own overlap test: whether the craft centred on the depot's
// line at world row y is over the depot.
bool CraftOverDepotRow(const Sprite& depot, int y);
// Whether a missile flying up the world column x meets the target.
bool MissileLineMeets(const Sprite& target, int x);
// The keyboard snapshot holding exactly the keys of the bits.
KeySnapshot PilotKeySnapshot(unsigned keys);
// Holds exactly the keys of the bits on the headless keyboard.
void HoldPilotKeys(unsigned keys);

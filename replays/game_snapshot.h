// Everything the course of the game depends on, kept aside while a replay
// plays in the running game and put back after it, so that the player's next
// frames are the ones they would have been: the game globals, the camera,
// every actor, the fuel pulse and the random sequence.
#pragma once

#include <memory>

struct GameSnapshot;

struct GameSnapshotDeleter {
    void operator()(GameSnapshot* snapshot) const;
};
using SavedGame = std::unique_ptr<GameSnapshot, GameSnapshotDeleter>;

SavedGame SaveGame();
void RestoreGame(const GameSnapshot& snapshot);

// The player's profile for this run of the game, the high scores kept in it,
// and the replays the session plays from it: attract mode's, and the one
// chosen on the table screen.
#pragma once

#include <filesystem>
#include <string>

#include "profile/profile.h"
#include "replays/demo_file.h"

// Opens the profile: given (--profile DIR) when not empty, else where the
// profile module finds it.
void OpenSessionProfile(const std::filesystem::path& given);
// Closes it, with the high scores' screens.
void CloseSessionProfile();
// Every game that ends goes to the high scores, which ask for initials when
// it makes its table; the table's screen plays replays through
// PlayEntryReplay. Call once the profile is open, in the data folder.
void ConnectHighScores();
// The profile of this run; its folder is empty when none is open.
Profile& SessionProfile();

// The replay of attract mode: the best game of the profile's tables whose
// replay reads, else the one that comes with the game's data. False when
// there is none (said in one line).
bool LoadAttractReplay(Demo* demo);

// Plays the profile's replay of that name in the game, to return to the
// screen the game is on now; 0 when it cannot (said in one line, and a
// replay that does not read set aside).
int PlayEntryReplay(const std::string& name);

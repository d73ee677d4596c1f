// The player's profile for this run of the game, and what the session reads
// from it: the replay attract mode plays.
#pragma once

#include <filesystem>

#include "profile/profile.h"
#include "replays/demo_file.h"

// Opens the profile: given (--profile DIR) when not empty, else where the
// profile module finds it.
void OpenSessionProfile(const std::filesystem::path& given);
void CloseSessionProfile();
// The profile of this run; its folder is empty when none is open.
Profile& SessionProfile();

// The replay of attract mode: the best game of the profile's tables whose
// replay reads, else the one that comes with the game's data. False when
// there is none (said in one line).
bool LoadAttractReplay(Demo* demo);

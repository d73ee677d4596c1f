// The replays of an open profile: files in its replays/ folder, one game
// each. Their format is the replay reader's (an extension of the demo files
// of replays/demo_file.h); here they are text kept safely, by name.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "profile/profile.h"
#include "profile/replay_name.h"

// Over four hours of play at the demo files' widest lines.
constexpr std::size_t REPLAY_MAX_BYTES = 16u << 20;

// The replay's path; empty without a profile or when name is not a replay
// name (IsReplayName), so nothing outside replays/ is reached.
std::filesystem::path ReplayPath(const Profile& profile, std::string_view name);

// Writes a new replay under name or, if that is taken, under name with -2,
// -3 ... before its extension; never over another. Returns the name used,
// empty when nothing was written.
std::string WriteNewReplay(Profile& profile, std::string_view name, std::string_view text);

// Reads a whole replay into *text. False, said in one line, when it is
// missing, unreadable or larger than REPLAY_MAX_BYTES (that one is set aside).
bool ReadReplay(Profile& profile, std::string_view name, std::string* text);

// For a replay that does not read: moves it aside ("<name>.bad-<time>") and
// says in one line what is wrong with it, e.g. problem "names another version".
void SetReplayAside(Profile& profile, std::string_view name, const std::string& problem);

// Removes a replay no entry names any more.
void DeleteReplay(Profile& profile, std::string_view name);

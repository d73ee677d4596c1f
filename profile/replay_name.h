// The only names that lead to a replay: a file directly in the profile's
// replays/ folder, whatever a file read from the disk says.
#pragma once

#include <string_view>

constexpr std::size_t REPLAY_NAME_MAX = 64;

// 1 to REPLAY_NAME_MAX of A-Z, a-z, 0-9, '.', '_' and '-', neither starting
// nor ending with a dot, and none of the names Windows keeps for devices
// (CON, NUL, COM1 ..., with or without an extension).
bool IsReplayName(std::string_view name);

// The files the session reads and writes besides the profile: replays named
// on the command line and the recorded session.
#pragma once

#include <filesystem>
#include <string>

#include "replays/demo_file.h"

// The file named on the command line (UTF-8), made absolute so that it keeps
// its meaning once the game enters its data folder; empty for "".
std::filesystem::path SessionPath(const std::string& utf8);
// Reads a replay; false after one line on standard error saying why.
bool ReadReplayFile(const std::filesystem::path& path, Demo* demo);
// Whether the session could be written there: tried at once, so that a
// wrong folder is said before the session rather than after; one line when
// not.
bool CanRecordInto(const std::filesystem::path& path);
// Writes the recorded session whole or not at all: a new file beside it,
// renamed over it once on the disk. One line on failure.
bool SaveSessionRecording(const std::filesystem::path& path);

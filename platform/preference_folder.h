// The folder the platform keeps for the player's own files.
#pragma once

#include <filesystem>
#include <string>

// The game's preference folder, made if missing: $XDG_DATA_HOME/wavedart/
// (by default ~/.local/share/wavedart/) on Linux, %APPDATA%\wavedart\ on
// Windows. Empty, with the reason in *error, when there is none: no home
// folder, a folder that cannot be made, or the headless backend, which has
// no preference folder at all.
std::filesystem::path PlatformPreferenceFolder(std::string* error);

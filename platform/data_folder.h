// Finding the game's files when it is started from another folder.
#pragma once

// When the file named marker is not in the working directory, changes to the
// first of these folders that holds it: the installed data folder,
// exe_dir/../share/wavedart, then the build tree's exe_dir/data. exe_path is
// the program's own path; null reads it from /proc/self/exe. 1 when the
// working directory holds marker afterwards.
int PlatformEnterDataFolder(const char* marker, const char* exe_path);

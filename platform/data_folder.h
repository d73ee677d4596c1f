// Finding the game's files when it is started from another folder.
#pragma once

// When the file named marker is not in the working directory, changes to the
// first of these folders that holds it: the installed data folder,
// program_folder/../share/wavedart, then the build tree's or the unpacked
// archive's program_folder/data. program_folder is the folder the program is
// in, in UTF-8; null asks SDL for it. 1 when the working directory holds
// marker afterwards.
int PlatformEnterDataFolder(const char* marker, const char* program_folder);

// Scratch profile folders and file helpers for the profile tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "profile/profile.h"

// A new empty folder under the system's temporary folder, removed with it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void WriteText(const std::filesystem::path& path, const std::string& text);
std::string ReadText(const std::filesystem::path& path);
// The names of the files in folder that start with prefix, sorted.
std::vector<std::string> FilesStartingWith(const std::filesystem::path& folder, const std::string& prefix);

// Opens a profile in folder, returning what it said on standard error.
std::string OpenQuietly(const std::filesystem::path& folder, Profile* profile);

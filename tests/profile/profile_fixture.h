// Scratch profile folders and file helpers for the profile tests.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "profile/profile.h"

// A new empty folder under the system's temporary folder, removed with it.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    std::filesystem::path path;
};

void WriteText(const std::filesystem::path& path, const std::string& text);
std::string ReadText(const std::filesystem::path& path);
// The names of the files in folder that start with prefix, sorted.
std::vector<std::string> FilesStartingWith(const std::filesystem::path& folder, const std::string& prefix);
// Whether text matches a shell pattern ('*', '?', [0-9]).
bool Matches(const std::string& text, const std::string& pattern);
// The time in the names of files set aside.
extern const std::string STAMP;

// What act writes on standard error.
std::string Said(const std::function<void()>& act);

// Runs body in a child process and returns its exit status; what it wrote on
// standard error goes to *said.
int RunInChild(const std::function<int()>& body, std::string* said);

// The game's command line. One table (options.cpp) declares every option:
// its name, its argument, its line of help and what it sets; parsing,
// --help and the man page's OPTIONS section are all made from it.
#pragma once

#include <string>
#include <vector>

constexpr int DISPLAY_AS_SAVED = -1;
constexpr int DISPLAY_WINDOW = 0;
constexpr int DISPLAY_FULL_SCREEN = 1;

// What the command line asks for. Text is UTF-8, as given.
struct CommandLine {
    bool help = false;
    bool version = false;
    // For this run only: DISPLAY_WINDOW or DISPLAY_FULL_SCREEN, or
    // DISPLAY_AS_SAVED when neither is given.
    int display = DISPLAY_AS_SAVED;
    std::string profile;
    std::string record;
    std::string play;
    std::string verify;
};

struct CommandOption {
    const char* name;      // "--record"
    const char* argument;  // "FILE", or null for none
    const char* help;      // one line, for --help and the man page
    void (*apply)(CommandLine* line, const std::string& argument);
};

const std::vector<CommandOption>& CommandOptions();

// Reads the arguments after the program's name. False, with one line saying
// what is wrong in *error, for an unknown option, a missing argument, an
// argument where none is taken, or options that cannot go together.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine* line, std::string* error);

// "Usage: wavedart [OPTION]..." and the options, one a line, for --help and
// after an error.
std::string UsageText();
// "wavedart 1.0.0".
std::string VersionText();
// The man page's OPTIONS section, in troff.
std::string ManPageOptions();

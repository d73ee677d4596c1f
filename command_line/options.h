// The game's command line. One table (options.cpp) declares every option:
// its name, its argument, its line of help and what it sets; the settings'
// table adds the flags of its settings. Parsing, --help and the man page's
// OPTIONS section are all made from them.
#pragma once

#include <string>
#include <vector>

// A value of the settings' table (options/settings_table.h) for this run
// only.
struct SettingForRun {
    int setting;  // its index in the table
    int value;
};

// What the command line asks for. Text is UTF-8, as given.
struct CommandLine {
    bool help = false;
    bool version = false;
    // In the order given, so that the last of two flags for one setting wins.
    std::vector<SettingForRun> settings;
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
    // A setting's flag, which chooses this value of the setting at this
    // index for the run (apply is then null); -1 for the others.
    int setting = -1;
    int setting_value = 0;
};

// The program's own options and, after --version, the settings' flags from
// their table.
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
// The man page's SETTINGS section, in troff: settings.txt's keys from the
// settings' table, with their values and defaults.
std::string ManPageSettings();

// The one table of the player's settings (settings_table.cpp). A setting is
// declared once, in one line: its key in settings.txt, its label on the
// Options screen, its values and default, the command-line flags that choose
// a value for one run, and what puts a value into effect. The settings file,
// the Options screen, --help and the man page all follow from the table.
//
// Every value is a whole number. A range is its numbers from low to high; a
// choice is an index into its list of named values, on and off being a
// choice of two. A key or a pad button bound to one of play's actions is a
// key code or a button bit that the input layer names; the Controls screen
// sets them, by the next press, and they follow the Options screen's rows at
// the end of the table.
#pragma once

#include <span>
#include <string>

enum SettingKind {
    SETTING_RANGE,
    SETTING_CHOICE,
    SETTING_KEY,
    SETTING_BUTTON,
};

struct SettingChoice {
    const char* word;   // in the file: "fullscreen"
    const char* shown;  // on the screen: "FULL SCREEN"
    // On the command line, choosing this value for one run without keeping
    // it ("--fullscreen"), and its line of help; null for none.
    const char* flag;
    const char* flag_help;
};

struct SettingDef {
    const char* key;    // in the file: "volume"
    const char* label;  // on the screen and in the man page: "Sound volume"
    SettingKind kind;
    int low;   // the values, from low to high; a choice's are its indices
    int high;
    std::span<const SettingChoice> choices;  // a choice's values, in their order
    int default_value;
    // A short sound plays when the player changes it, to hear the new value.
    bool cue;
    // Puts a value into effect at once; called at start-up and on every change.
    void (*apply)(int value);
};

std::span<const SettingDef> SettingTable();
// The table's first rows, those the Options screen shows: every one but the
// bindings.
std::span<const SettingDef> OptionsScreenSettings();
// The index of the table's key (SETTING_KEY) or button binding of an action
// of input/bindings.h.
int BindingSettingIndex(SettingKind kind, int action);
// The index of the setting with that key in the table, or -1.
int FindSettingIndex(const std::string& key);

// The value as the file writes it.
std::string SettingText(const SettingDef& setting, int value);
// The value as the Options screen shows it.
std::string SettingShown(const SettingDef& setting, int value);
// The label as the Options screen shows it, in capitals.
std::string SettingLabelShown(const SettingDef& setting);
// The values the setting takes, for the player to read: "0 to 10",
// "window or fullscreen".
std::string SettingValuesText(const SettingDef& setting);
// Reads a value as the file writes it (a binding's name in any case);
// false when it is none of the setting's values.
bool ParseSettingText(const SettingDef& setting, const std::string& text, int* value);
// The value one step up (+1) or down (-1): a range stops at its ends, a
// choice goes round its list.
int StepSetting(const SettingDef& setting, int value, int step);

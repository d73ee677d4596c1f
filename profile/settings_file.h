// The player's settings, settings.txt: ordered "key = value" pairs.
//
//   wavedart-settings 1
//   # comments and blank lines are allowed
//   fullscreen = no
//   volume = 8
//   end
//
// Keys and values are trimmed. A key is 1 to 64 of A-Z, a-z, 0-9, '_', '.'
// and '-'; a value is up to 256 printable characters (it may hold '#' and
// '='). A line without '=' is a newer game's and is ignored; a key set twice
// keeps its first place and its last value. What the keys mean is the
// settings table's business; this file only keeps them. Comments are not kept
// when the game saves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"
#include "profile/versioned_text.h"

constexpr int SETTINGS_VERSION = 1;

struct Setting {
    std::string key;
    std::string value;
};
using Settings = std::vector<Setting>;

bool IsSettingKey(std::string_view key);
bool IsSettingValue(std::string_view value);
// The value of key, or null.
const std::string* FindSetting(const Settings& settings, std::string_view key);
// Sets key's value in its place, or adds it at the end.
void SetSetting(Settings* settings, std::string_view key, std::string_view value);

std::string FormatSettings(const Settings& settings);
// Reads what it can of a settings file into *settings (emptied first).
ParseOutcome ParseSettings(std::string_view text, Settings* settings);

// The settings on the disk; none without a profile.
Settings LoadSettings(Profile& profile);
// Locks the profile, re-reads the file and writes settings, in their order,
// followed by the keys the file has that settings does not (a newer game's
// settings survive an older game's save). False when nothing was written.
bool SaveSettings(Profile& profile, const Settings& settings);

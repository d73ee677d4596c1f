// The player's settings: those in force in this run, and those kept in the
// profile's settings.txt. Read at start-up, every value is put into effect
// at once, and the file is written whenever the player changes one. Without
// a profile the settings still work, for the run.
#pragma once

struct Profile;

// Reads settings.txt from the profile (null or closed: none) and puts every
// setting of the table into effect: the file's value, or the default where
// the file has none. A value that is none of its setting's, and a key that
// is no setting's, is said in one line on standard error and left out. From
// now on the player's own switches between full screen and the window (the
// backend's keys) are changes too. The profile stays the caller's and must
// outlive the settings' use.
void LoadPlayerSettings(Profile* profile);
// Stops using the profile and taking up the switches.
void ForgetPlayerSettings();

// Whether the player's changes are kept in a profile that can be written.
bool SettingsKept();

// The settings must have been loaded for these.
// The value in force of the table's setting at index.
int SettingInForce(int index);
// Puts a value into effect for this run only, as a command-line flag asks:
// the file keeps what it had.
void ChooseSettingForRun(int index, int value);
// The player's change: put into effect at once and kept in settings.txt.
// Nothing happens when the value is in force and kept already.
void ChangeSetting(int index, int value);

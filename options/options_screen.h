// The Options screen. O on the main menu (A on a pad) opens it: a row for
// each setting of the table, in its order, then Controls when that screen
// is installed. Up and down choose a row; left and right change its value,
// which takes effect at once and is kept; Enter or Space steps a choice on
// or opens Controls; Backspace goes back to the main menu. On a pad the
// d-pad or stick is the arrows, A and Start are Enter, and B and Back are
// Backspace, so a pad alone reaches every setting.
#pragma once

// Installs O on the main menu and the screen into app_extensions, and loads
// the screen's picture (from the working directory, as the menus are). The
// settings must be loaded already (options/player_settings.h).
void InstallOptions();
// Takes them out again and frees the picture.
void UninstallOptions();
// Shows the Options screen from the next frame on, with its keys starting
// afresh: the way in for the main menu and for the screens it opens.
void OpenOptionsScreen();

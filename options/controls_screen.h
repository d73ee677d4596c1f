// The Controls screen, opened from the Options screen's Controls row: a row
// for each of play's actions with its key and its pad button, then "Reset
// to defaults". Up and down choose a row; Enter or Space (A or Start on a
// pad) on an action waits for the next key or pad button and binds it to the
// action, swapping with the action that had it; Escape, or five seconds
// without a press, ends the wait with nothing bound. Backspace (B or Back)
// goes back to the Options screen. These keys and buttons are the screen's
// own, whatever is bound, so the way through it and out is never lost.
// Every change takes effect at once and is kept with the settings.
#pragma once

// Frames a wait for a press lasts: five seconds.
constexpr int CONTROLS_WAIT_FRAMES = 167;

// Installs the screen into app_extensions and loads its picture (from the
// working directory, as the menus are). The settings must be loaded already.
void InstallControls();
// Takes it out again and frees the picture.
void UninstallControls();

// The line over a replay playing in the game that says what it is and how
// to return: white letters on a dark box at the top of the picture.
#pragma once

void DrawReplayBanner(const char* text);

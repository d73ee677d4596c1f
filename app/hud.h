// The heads-up display: the panel along the bottom of the play screen with
// the score, the fuel, the ships in reserve and the level.
#pragma once

#include "graphics/sprite.h"

extern Sprite hud_panel;
// Phase of the low-fuel pulse: 0, 15, ... 255, one step per drawn frame.
extern int fuel_blink;

int LoadHud();
// Draws the panel and its four lines; returns the last text drawing's result.
int DrawHud();
int UnloadHud();

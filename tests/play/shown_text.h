// Reading text back from the last picture the headless screen showed.
#pragma once

#include "platform/video.h"

// Whether a shown colour is the one a test expects.
using ColourTest = bool (*)(PlatformColour colour, int expected_level);

bool IsWhite(PlatformColour colour, int unused);
// The added screens' gold and alert red.
bool IsGold(PlatformColour colour, int unused);
bool IsAlert(PlatformColour colour, int unused);
// Red 255 with green and blue both near the expected level.
bool IsPulse(PlatformColour colour, int level);

// 1 when every pixel of the text's glyphs, drawn with its top-left corner at
// (x, y), passes the colour test in the last shown picture, and most of the
// pixels between the glyphs do not.
bool ShowsText(const char* text, int x, int y, ColourTest test, int expected_level = 0);

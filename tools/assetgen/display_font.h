// A blocky 5x7 capital font for titles and headlines, drawn from text.
#pragma once
#include <string>

#include "tools/assetgen/canvas.h"

// The mask (1 = ink) of `text` in 5x7 letters one pixel apart, each pixel
// enlarged to scale x scale. Unknown characters are blank.
Canvas DisplayTextMask(const std::string& text, int scale);

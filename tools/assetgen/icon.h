// The desktop icon: the craft flying up a stretch of river.
#pragma once
#include <string>

// Writes SIZE/apps/wavedart.png for each icon size under dir, in the icon
// theme's folder layout. False when a file cannot be written.
bool WriteIcons(const std::string& dir);
// Writes the page's icons into dir: icon-192.png and icon-512.png, and
// icon-maskable-512.png, opaque to its edges. False when one cannot be written.
bool WritePageIcons(const std::string& dir);

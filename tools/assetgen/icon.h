// The desktop icon: the craft flying up a stretch of river.
#pragma once
#include <string>

// Writes SIZE/apps/wavedart.png for each icon size under dir, in the icon
// theme's folder layout. False when a file cannot be written.
bool WriteIcons(const std::string& dir);

// The headless screen keeps its pictures without a display, so there is no
// refresh to wait for.
#include "platform/video.h"

void PlatformSetVsync(int) {}

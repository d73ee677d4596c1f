// The headless screen keeps its pictures at their own size: there is
// nothing to scale them to.
#include "platform/video.h"

void PlatformSetScaling(int) {}

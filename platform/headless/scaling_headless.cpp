// The headless screen keeps its pictures at their own size: there is
// nothing to scale them to. It keeps what was asked, for tests.
#include "platform/headless/headless_video.h"
#include "platform/video.h"

namespace {

int scaling_wanted = PLATFORM_SCALING_SHARP;

}  // namespace

void PlatformSetScaling(int mode)
{
    scaling_wanted = mode;
}

int HeadlessScalingWanted()
{
    return scaling_wanted;
}

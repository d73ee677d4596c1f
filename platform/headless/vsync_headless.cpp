// The headless screen keeps its pictures without a display, so there is no
// refresh to wait for; it keeps what was asked, for tests.
#include "platform/headless/headless_video.h"

namespace {

int vsync_wanted = 1;

}  // namespace

void PlatformSetVsync(int on)
{
    vsync_wanted = on;
}

int HeadlessVsyncWanted()
{
    return vsync_wanted;
}

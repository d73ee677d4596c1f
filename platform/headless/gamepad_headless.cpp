// Scripted pad: the snapshot is whatever the test last set.
#include "platform/gamepad.h"
#include "platform/headless/headless.h"

namespace {

PlatformGamepad held{0, 0, 0};
int plugged_in = 0;

}  // namespace

void HeadlessSetGamepad(const PlatformGamepad* pad)
{
    plugged_in = pad != nullptr;
    held = pad ? *pad : PlatformGamepad{0, 0, 0};
}

int PlatformOpenGamepads()
{
    return 1;
}

int PlatformReadGamepad(PlatformGamepad* pad)
{
    *pad = held;
    return plugged_in;
}

void PlatformCloseGamepads() {}

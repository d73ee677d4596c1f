// No touch controls headless: what was asked is kept, for tests.
#include "platform/headless/headless.h"
#include "platform/touch_look.h"

namespace {

int size_wanted = 0;
int opacity_wanted = 0;

}  // namespace

void PlatformSetTouchControlSize(int percent)
{
    size_wanted = percent;
}

void PlatformSetTouchControlOpacity(int percent)
{
    opacity_wanted = percent;
}

int HeadlessTouchControlSize()
{
    return size_wanted;
}

int HeadlessTouchControlOpacity()
{
    return opacity_wanted;
}

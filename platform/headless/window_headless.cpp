// Headless window: no window system, so no events of its own; a turn hook
// lets a test or tool script each loop turn.
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

void (*turn_hook)(unsigned turn) = nullptr;
unsigned turn_count = 0;

}  // namespace

void HeadlessSetTurnHook(void (*hook)(unsigned turn))
{
    turn_hook = hook;
    turn_count = 0;
}

int PlatformOpenWindow(const char*, int, int)
{
    return 1;
}

void PlatformCloseWindow() {}

void PlatformShowCursor(int) {}

void PlatformBeginTurn()
{
    if (turn_hook) turn_hook(turn_count);
    turn_count += 1;
}

int PlatformPollBackendMessage(PlatformMessage*)
{
    return 0;
}

// Headless window: no window system, so no events of its own; a turn hook
// lets a test or tool script each loop turn.
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

int (*turn_hook)(unsigned turn) = nullptr;
unsigned turn_count = 0;

}  // namespace

void HeadlessSetTurnHook(int (*hook)(unsigned turn))
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

int PlatformBeginTurn(PlatformMessage* msg)
{
    const unsigned turn = turn_count++;
    if (turn_hook && turn_hook(turn)) {
        *msg = PlatformMessage{WM_QUIT, 0};
        return 1;
    }
    return 0;
}

int PlatformPollBackendMessage(PlatformMessage*)
{
    return 0;
}

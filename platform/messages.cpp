// The message queue shared by both backends: messages the game posts to
// itself, a close requested by a signal, then one event from the backend.
#include <array>
#include <csignal>

#include "platform/window.h"

namespace {

constexpr int QUEUE_SIZE = 64;

std::array<PlatformMessage, QUEUE_SIZE> queue;
int queue_head = 0;
int queue_count = 0;
volatile std::sig_atomic_t close_requested = 0;

}  // namespace

void PlatformPostMessage(int message, int wparam)
{
    if (queue_count == QUEUE_SIZE) return;
    queue[(queue_head + queue_count) % QUEUE_SIZE] = PlatformMessage{message, wparam};
    queue_count += 1;
}

void PlatformPostQuitMessage(int exit_code)
{
    PlatformPostMessage(WM_QUIT, exit_code);
}

void PlatformRequestClose()
{
    close_requested = 1;
}

int PlatformPeekMessage(PlatformMessage* msg)
{
    if (PlatformBeginTurn(msg)) return 1;
    if (close_requested) {
        close_requested = 0;
        *msg = PlatformMessage{WM_CLOSE, 0};
        return 1;
    }
    if (queue_count > 0) {
        *msg = queue[queue_head];
        queue_head = (queue_head + 1) % QUEUE_SIZE;
        queue_count -= 1;
        return 1;
    }
    return PlatformPollBackendMessage(msg);
}

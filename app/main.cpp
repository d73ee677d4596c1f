// The game's binary: the real backend, and termination signals that quit
// the way closing the window does.
#include <csignal>

#include "app/shell.h"
#include "platform/window.h"

namespace {

void OnTerminationSignal(int)
{
    PlatformRequestClose();
}

}  // namespace

int main()
{
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
    return WinMain();
}

#include "platform/sdl/quiet_libraries.h"

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

QuietLibraries::QuietLibraries()
{
    std::fflush(stderr);
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) return;
    saved_stderr_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_stderr_ >= 0 && dup2(nowhere, STDERR_FILENO) < 0) {
        close(saved_stderr_);
        saved_stderr_ = -1;
    }
    close(nowhere);
}

QuietLibraries::~QuietLibraries()
{
    if (saved_stderr_ < 0) return;
    std::fflush(stderr);
    dup2(saved_stderr_, STDERR_FILENO);
    close(saved_stderr_);
}
#else
QuietLibraries::QuietLibraries() = default;
QuietLibraries::~QuietLibraries() = default;
#endif

int QuietInitSubSystem(Uint32 flags)
{
    const QuietLibraries quiet;
    return SDL_InitSubSystem(flags);
}

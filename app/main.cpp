// The game's binary: the real backend, its files found wherever it is
// installed, and termination signals that quit the way closing the window
// does.
#include <csignal>
#include <cstdio>

#include "app/shell.h"
#include "platform/data_folder.h"
#include "platform/window.h"

namespace {

void OnTerminationSignal(int)
{
    PlatformRequestClose();
}

}  // namespace

int main()
{
    // Every file is read relative to the working directory.
    if (!PlatformEnterDataFolder("PALDATA2.PAL", nullptr)) {
        std::fprintf(stderr,
                     "wavedart: game files not found here, in ../share/wavedart or in data/ "
                     "beside the program; playing without them\n");
    }
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
    return WinMain();
}

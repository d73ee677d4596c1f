#include "platform/durable_files.h"

extern "C" void WavedartSaveStoredFolder();

// The browser's storage is written in the background: the game goes on at
// once, and a failure is said in one line when it comes.
void PlatformFilesSaved()
{
    WavedartSaveStoredFolder();
}

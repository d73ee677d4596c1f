// The page's folder for the player's files: kept in the browser's storage by
// platform/web/stored_folder.js, which loads it before main runs.
#include "platform/preference_folder.h"

extern "C" int WavedartStoredFolder(char* text, int size);

std::filesystem::path PlatformPreferenceFolder(std::string* error)
{
    char text[512];
    if (WavedartStoredFolder(text, sizeof text)) return text;
    *error = text;
    return {};
}

#include "platform/preference_folder.h"

std::filesystem::path PlatformPreferenceFolder(std::string* error)
{
    *error = "the headless backend keeps no player's files";
    return {};
}

#include <SDL.h>

#include <cstdlib>

#include "platform/preference_folder.h"

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
bool Usable(const char* folder)
{
    return folder && folder[0] == '/';
}
#endif

}  // namespace

fs::path PlatformPreferenceFolder(std::string* error)
{
#ifndef _WIN32
    // SDL reads the character before an empty variable's value, and would
    // build on a relative one; the XDG rules say to ignore both, as unset.
    if (!Usable(std::getenv("XDG_DATA_HOME"))) {
        unsetenv("XDG_DATA_HOME");
        if (!Usable(std::getenv("HOME"))) {
            *error = "neither XDG_DATA_HOME nor HOME names a folder";
            return {};
        }
    }
#endif
    // With no organisation SDL leaves out that level: the game's own folder.
    char* folder = SDL_GetPrefPath("", "wavedart");
    if (!folder) {
        *error = SDL_GetError();
        return {};
    }
    const std::string text = folder;
    SDL_free(folder);
    return fs::path(std::u8string(text.begin(), text.end()));
}

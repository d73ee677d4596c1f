#include <SDL.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/data_folder.h"

namespace {

namespace fs = std::filesystem;

// Folder names are UTF-8 on every platform, as SDL gives them.
fs::path Utf8Path(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

bool Holds(const fs::path& folder, const char* marker)
{
    std::error_code error;
    return fs::is_regular_file(folder / marker, error);
}

std::string ProgramFolder()
{
    char* base = SDL_GetBasePath();
    if (!base) return {};
    std::string folder = base;
    SDL_free(base);
    return folder;
}

}  // namespace

int PlatformEnterDataFolder(const char* marker, const char* program_folder)
{
    if (Holds(fs::path(), marker)) return 1;
    const std::string folder = program_folder ? program_folder : ProgramFolder();
    if (folder.empty()) return 0;
    for (const char* relative : {"../share/wavedart/", "data/"}) {
        const fs::path candidate = Utf8Path(folder) / relative;
        std::error_code error;
        if (!Holds(candidate, marker)) continue;
        fs::current_path(candidate, error);
        if (!error) return 1;
    }
    return 0;
}

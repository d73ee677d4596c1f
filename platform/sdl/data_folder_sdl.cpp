#include "platform/data_folder.h"

#include <unistd.h>

#include <climits>
#include <string>

namespace {

bool Holds(const std::string& folder, const char* marker)
{
    return access((folder + marker).c_str(), R_OK) == 0;
}

std::string OwnPath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    return std::string(path, static_cast<std::size_t>(length));
}

}  // namespace

int PlatformEnterDataFolder(const char* marker, const char* exe_path)
{
    if (Holds("", marker)) return 1;
    const std::string exe = exe_path ? exe_path : OwnPath();
    const std::size_t slash = exe.rfind('/');
    if (slash == std::string::npos) return 0;
    const std::string exe_dir = exe.substr(0, slash + 1);
    for (const char* folder : {"../share/wavedart/", "data/"}) {
        const std::string candidate = exe_dir + folder;
        if (Holds(candidate, marker) && chdir(candidate.c_str()) == 0) return 1;
    }
    return 0;
}

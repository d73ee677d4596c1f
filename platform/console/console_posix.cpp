// POSIX systems hand the arguments over as they were typed, in UTF-8 on
// every system the game runs on, and the program shares its starter's
// terminal.
#include "platform/console.h"

std::vector<std::string> PlatformArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PlatformPathFromUtf8(const std::string& text)
{
    return std::filesystem::path(text);
}

void PlatformAttachConsole() {}

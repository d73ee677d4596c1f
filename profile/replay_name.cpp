#include "profile/replay_name.h"

#include <string>

#include "profile/versioned_text.h"

namespace {

bool IsDeviceName(std::string_view name)
{
    std::string stem(name.substr(0, name.find('.')));
    for (char& letter : stem) {
        if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    }
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == device) return true;
    }
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '0' && stem[3] <= '9';
}

}  // namespace

bool IsReplayName(std::string_view name)
{
    if (name.empty() || name.size() > REPLAY_NAME_MAX || name.front() == '.' || name.back() == '.') {
        return false;
    }
    for (const char letter : name) {
        if (!IsAsciiAlphanumeric(letter) && letter != '.' && letter != '_' && letter != '-') {
            return false;
        }
    }
    return !IsDeviceName(name);
}

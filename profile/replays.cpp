#include "profile/replays.h"

#include <system_error>

#include "profile/profile_files.h"

namespace {

namespace fs = std::filesystem;

constexpr int MAX_NAME_SUFFIX = 99;

// name with "-<suffix>" before its extension.
std::string Suffixed(std::string_view name, int suffix)
{
    const std::size_t dot = std::min(name.find('.'), name.size());
    return std::string(name.substr(0, dot)) + "-" + std::to_string(suffix) + std::string(name.substr(dot));
}

bool Taken(const fs::path& path)
{
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

void SayAside(const ProfileLock& lock, std::string_view name, const std::string& problem)
{
    const Profile& profile = lock.profile();
    const fs::path path = ReplayPath(profile, name);
    const fs::path aside = SetAside(lock, path);
    SayToPlayer(ShownPath(path, &profile) + " " + problem + "; " +
                (aside.empty() ? "left as it is" : "set aside as " + ShownPath(aside, &profile)));
}

}  // namespace

fs::path ReplayPath(const Profile& profile, std::string_view name)
{
    if (profile.folder.empty() || !IsReplayName(name)) return {};
    return profile.folder / REPLAYS_FOLDER / fs::path(std::u8string(name.begin(), name.end()));
}

std::string WriteNewReplay(Profile& profile, std::string_view name, std::string_view text)
{
    if (!profile.can_write || ReplayPath(profile, name).empty()) return {};
    const ProfileLock lock(profile);
    if (!lock.Held()) return {};
    std::string chosen(name);
    for (int suffix = 2; Taken(ReplayPath(profile, chosen)); ++suffix) {
        if (suffix > MAX_NAME_SUFFIX) return {};
        chosen = Suffixed(name, suffix);
        if (!IsReplayName(chosen)) return {};
    }
    return WriteProfileFile(lock, ReplayPath(profile, chosen), text) ? chosen : std::string();
}

bool ReadReplay(Profile& profile, std::string_view name, std::string* text)
{
    text->clear();
    const fs::path path = ReplayPath(profile, name);
    if (path.empty()) {
        SayToPlayer("no replay can be named \"" + std::string(name.substr(0, REPLAY_NAME_MAX)) + "\"");
        return false;
    }
    const ProfileLock lock(profile);
    switch (ReadBounded(path, REPLAY_MAX_BYTES, text)) {
    case ReadStatus::READ:
        return true;
    case ReadStatus::MISSING:
        SayToPlayer(ShownPath(path, &profile) + " is missing");
        break;
    case ReadStatus::FAILED:
        SayToPlayer(ShownPath(path, &profile) + " cannot be read (" + *text + ")");
        break;
    case ReadStatus::TOO_LARGE:
        SayAside(lock, name, "is larger than " + std::to_string(REPLAY_MAX_BYTES >> 20) + " MiB");
        break;
    }
    text->clear();
    return false;
}

void SetReplayAside(Profile& profile, std::string_view name, const std::string& problem)
{
    if (ReplayPath(profile, name).empty()) return;
    const ProfileLock lock(profile);
    SayAside(lock, name, problem);
}

void DeleteReplay(Profile& profile, std::string_view name)
{
    const fs::path path = ReplayPath(profile, name);
    if (path.empty() || !profile.can_write) return;
    const ProfileLock lock(profile);
    std::error_code ignored;
    if (lock.Held()) fs::remove(path, ignored);
}

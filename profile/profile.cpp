#include "profile/profile.h"

#include <cstdio>
#include <system_error>

#include "platform/preference_folder.h"
#include "profile/profile_files.h"

namespace {

namespace fs = std::filesystem;

// Long enough for another game's save, short enough that a game stopped
// while it held the lock does not hang this one.
constexpr int LOCK_WAIT_MS = 5000;

void SayNotKept(const std::string& what)
{
    SayToPlayer(what + "; scores will not be kept");
}

}  // namespace

void SayToPlayer(const std::string& line)
{
    std::fprintf(stderr, "wavedart: %s\n", line.c_str());
    std::fflush(stderr);
}

void OpenProfile(const fs::path& given, Profile* profile)
{
    CloseProfile(profile);
    fs::path folder = given.empty() ? PlatformEnvironmentPath(PROFILE_ENV) : given;
    std::string why;
    if (folder.empty()) folder = PlatformPreferenceFolder(&why);
    if (folder.empty()) {
        SayNotKept("no folder for the player's files (" + why + ")");
        return;
    }
    std::error_code error;
    fs::create_directories(folder / REPLAYS_FOLDER, error);
    if (!fs::is_directory(folder)) {
        SayNotKept("cannot make the folder " + ShownPath(folder) +
                   (error ? " (" + error.message() + ")" : ""));
        return;
    }
    profile->folder = folder;
    if (!PlatformOpenLock(folder / LOCK_FILE, &profile->lock, &why)) {
        SayNotKept("cannot write in " + ShownPath(folder) + " (" + why + ")");
        return;
    }
    profile->can_write = true;
}

void CloseProfile(Profile* profile)
{
    PlatformCloseLock(&profile->lock);
    *profile = {};
}

void StopWriting(Profile& profile, const std::string& why)
{
    if (!profile.can_write) return;
    profile.can_write = false;
    SayNotKept("cannot save in " + ShownPath(profile.folder) + " (" + why + ")");
}

ProfileLock::ProfileLock(Profile& profile) : profile_(profile)
{
    if (!profile_.can_write) return;
    held_ = PlatformTakeLock(&profile_.lock, LOCK_WAIT_MS);
    if (!held_) {
        SayToPlayer("another game has held " + ShownPath(profile_.folder / LOCK_FILE) +
                    " too long; this time nothing is saved");
    }
}

ProfileLock::~ProfileLock()
{
    if (held_) PlatformReleaseLock(&profile_.lock);
}

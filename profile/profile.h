// The player's profile: the one folder where the game keeps the player's
// files (scores.txt, settings.txt, replays/). Every operation on it works
// under the folder's lock, so games running at once never lose each other's
// saves, and replaces files whole, so a game killed while saving leaves the
// old file or the new one. Messages for the player are single lines on
// standard error that start with "wavedart: ".
//
// Where it is, in this order: the folder the caller gives (--profile DIR),
// the environment variable WAVEDART_PROFILE, the platform's preference
// folder (platform/preference_folder.h). The headless backend has none, so
// tools and tests run with no profile unless they give one.
#pragma once

#include <filesystem>
#include <string>

#include "platform/durable_files.h"

struct Profile {
    std::filesystem::path folder;  // empty: no profile, nothing is read or kept
    bool can_write = false;        // false after the one line saying scores will not be kept
    PlatformFileLock lock;
};

constexpr const char* PROFILE_ENV = "WAVEDART_PROFILE";

// Opens the profile, making its folder and replays/ if missing. A folder that
// cannot be made leaves the profile closed, one that cannot be written leaves
// it readable; either is said in one line. given may be empty.
void OpenProfile(const std::filesystem::path& given, Profile* profile);
void CloseProfile(Profile* profile);

// Holds the profile's lock for its lifetime, when the profile can be written
// (a read-only profile has no lock file, and no writer to wait for). Every
// reader and writer of the profile's files holds one.
class ProfileLock {
public:
    explicit ProfileLock(Profile& profile);
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;
    bool Held() const { return held_; }
    Profile& profile() const { return profile_; }

private:
    Profile& profile_;
    bool held_ = false;
};

// Says, once, that nothing more will be kept and why; later writes are
// skipped.
void StopWriting(Profile& profile, const std::string& why);
// One line on standard error for the player.
void SayToPlayer(const std::string& line);

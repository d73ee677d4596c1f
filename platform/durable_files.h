// What the player's profile needs of the operating system to keep its files
// whole: durable writes, an atomic replace, and a lock shared by every game
// running at once. Paths are the system's own (wide on Windows). Each call
// that can fail returns false and puts the system's reason in *error.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The variable's value as a path; empty when it is unset or empty.
std::filesystem::path PlatformEnvironmentPath(const char* name);

// Writes bytes to path, replacing any file there, and returns only once they
// are on the disk. A file that could not be written whole is removed.
bool PlatformWriteDurably(const std::filesystem::path& path, std::string_view bytes,
                          std::string* error);

// Renames from to to within one folder in a single step, replacing to when it
// exists, so that a reader finds either the old file or the new one, and makes
// the rename itself durable: POSIX syncs the folder, Windows writes through.
bool PlatformReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                         std::string* error);

// Called after every save: the page copies its files to the browser's lasting
// storage; elsewhere the disk already holds them and it does nothing.
void PlatformFilesSaved();

// An exclusive lock held on a lock file by one process (or one open lock) at
// a time: flock on POSIX, LockFileEx on Windows. The system drops it when
// the process ends, however it ends.
struct PlatformFileLock {
    std::intptr_t handle = -1;
};

// Opens (making it if missing) the lock file; fails where the folder cannot
// be written.
bool PlatformOpenLock(const std::filesystem::path& path, PlatformFileLock* lock,
                      std::string* error);
// Takes the lock, waiting up to timeout_ms for another holder to let go.
bool PlatformTakeLock(PlatformFileLock* lock, int timeout_ms);
void PlatformReleaseLock(PlatformFileLock* lock);
void PlatformCloseLock(PlatformFileLock* lock);

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/durable_files.h"

namespace {

namespace fs = std::filesystem;

bool Fail(std::string* error)
{
    *error = std::strerror(errno);
    return false;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Syncing a folder is what makes a rename in it survive a power cut.
bool SyncFolder(const fs::path& folder)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

}  // namespace

fs::path PlatformEnvironmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

bool PlatformWriteDurably(const fs::path& path, std::string_view bytes, std::string* error)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Fail(error);
    bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    if (!written) *error = std::strerror(errno);
    if (close(fd) != 0 && written) {
        written = false;
        *error = std::strerror(errno);
    }
    if (!written) unlink(path.c_str());
    return written;
}

bool PlatformReplaceFile(const fs::path& from, const fs::path& to, std::string* error)
{
    if (rename(from.c_str(), to.c_str()) != 0) return Fail(error);
    if (!SyncFolder(to.parent_path())) return Fail(error);
    return true;
}

bool PlatformOpenLock(const fs::path& path, PlatformFileLock* lock, std::string* error)
{
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Fail(error);
    lock->handle = fd;
    return true;
}

bool PlatformTakeLock(PlatformFileLock* lock, int timeout_ms)
{
    constexpr int STEP_MS = 5;
    const timespec step{0, STEP_MS * 1000000L};
    for (int waited = 0;; waited += STEP_MS) {
        if (flock(static_cast<int>(lock->handle), LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (waited >= timeout_ms) return false;
        nanosleep(&step, nullptr);
    }
}

void PlatformReleaseLock(PlatformFileLock* lock)
{
    flock(static_cast<int>(lock->handle), LOCK_UN);
}

void PlatformCloseLock(PlatformFileLock* lock)
{
    if (lock->handle >= 0) close(static_cast<int>(lock->handle));
    lock->handle = -1;
}

#include <windows.h>

#include <cstring>

#include "platform/durable_files.h"

namespace {

namespace fs = std::filesystem;

bool Fail(std::string* error)
{
    char text[256];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, GetLastError(), 0, text, sizeof text, nullptr);
    *error = length ? std::string(text, length) : "Windows error " + std::to_string(GetLastError());
    while (!error->empty() && (error->back() == '\n' || error->back() == '\r' ||
                               error->back() == '.')) {
        error->pop_back();
    }
    return false;
}

HANDLE Handle(const PlatformFileLock& lock)
{
    return reinterpret_cast<HANDLE>(lock.handle);
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

fs::path PlatformEnvironmentPath(const char* name)
{
    const std::wstring wide_name(name, name + std::strlen(name));
    std::wstring value(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length > value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), length);
    }
    value.resize(length < value.size() ? length : 0);
    return fs::path(value);
}

bool PlatformWriteDurably(const fs::path& path, std::string_view bytes, std::string* error)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(error);
    bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (!written) Fail(error);
    CloseHandle(file);
    if (!written) DeleteFileW(path.c_str());
    return written;
}

bool PlatformReplaceFile(const fs::path& from, const fs::path& to, std::string* error)
{
    // A virus scanner or indexer may hold the old file open for a moment.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD reason = GetLastError();
        if (reason != ERROR_ACCESS_DENIED && reason != ERROR_SHARING_VIOLATION) break;
        Sleep(10);
    }
    return Fail(error);
}

bool PlatformOpenLock(const fs::path& path, PlatformFileLock* lock, std::string* error)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(error);
    lock->handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool PlatformTakeLock(PlatformFileLock* lock, int timeout_ms)
{
    constexpr int STEP_MS = 5;
    for (int waited = 0;; waited += STEP_MS) {
        OVERLAPPED first_byte{};
        if (LockFileEx(Handle(*lock), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &first_byte)) {
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION || waited >= timeout_ms) return false;
        Sleep(STEP_MS);
    }
}

void PlatformReleaseLock(PlatformFileLock* lock)
{
    OVERLAPPED first_byte{};
    UnlockFileEx(Handle(*lock), 0, 1, 0, &first_byte);
}

void PlatformCloseLock(PlatformFileLock* lock)
{
    if (lock->handle != -1) CloseHandle(Handle(*lock));
    lock->handle = -1;
}

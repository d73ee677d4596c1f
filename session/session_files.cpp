#include "session/session_files.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "platform/console.h"
#include "platform/durable_files.h"
#include "replays/recorder.h"

namespace {

bool WriteWhole(const std::filesystem::path& path, const std::string& text, std::string* error)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    if (!PlatformWriteDurably(temporary, text, error)) return false;
    if (PlatformReplaceFile(temporary, path, error)) return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace

std::filesystem::path SessionPath(const std::string& utf8)
{
    if (utf8.empty()) return {};
    std::error_code ignored;
    return std::filesystem::absolute(PlatformPathFromUtf8(utf8), ignored);
}

bool ReadReplayFile(const std::filesystem::path& path, Demo* demo)
{
    std::string error;
    if (ReadDemo(path, demo, &error)) return true;
    std::fprintf(stderr, "wavedart: %s\n", error.c_str());
    return false;
}

bool CanRecordInto(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::string error;
    const bool exists = std::filesystem::exists(path, ignored);
    // An empty session replaces nothing that is there.
    const bool writable = exists ? std::ofstream(path, std::ios::app).good()
                                 : WriteWhole(path, "", &error) && std::filesystem::remove(path, ignored);
    if (!writable) std::fprintf(stderr, "wavedart: cannot record into %s\n", path.string().c_str());
    return writable;
}

bool SaveSessionRecording(const std::filesystem::path& path)
{
    std::string error;
    if (WriteWhole(path, SessionRecording(), &error)) return true;
    std::fprintf(stderr, "wavedart: the session could not be written to %s: %s\n", path.string().c_str(),
                 error.c_str());
    return false;
}


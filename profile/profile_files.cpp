#include "profile/profile_files.h"

#include <fstream>
#include <system_error>

#include "profile/local_time.h"

namespace {

namespace fs = std::filesystem;

// More set aside in one second than this means something else is wrong.
constexpr int MAX_ASIDE_SUFFIX = 99;

std::string Utf8(const std::u8string& text)
{
    return std::string(text.begin(), text.end());
}

std::string Count(int count, const char* noun)
{
    if (count == 0) return std::string("no ") + noun + "s";
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// A name beside path that nothing has: "<name>.<tag>-<stamp>", then -2, -3 ...
fs::path FreshAside(const fs::path& path, const char* tag)
{
    fs::path base = path;
    // Appended piece by piece: at -O2 GCC 12 warns of an overlapping copy
    // in the sum of a literal and a temporary string.
    base += ".";
    base += tag;
    base += "-";
    base += LocalStamp();
    for (int suffix = 1; suffix <= MAX_ASIDE_SUFFIX; ++suffix) {
        fs::path candidate = base;
        if (suffix > 1) {
            candidate += "-";
            candidate += std::to_string(suffix);
        }
        std::error_code error;
        if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found) return candidate;
    }
    return {};
}

bool Replaceable(const LoadedText& replaced)
{
    if (replaced.status == ReadStatus::FAILED) return false;
    return replaced.status == ReadStatus::MISSING || replaced.outcome.health != ParseOutcome::DAMAGED;
}

}  // namespace

std::string ShownPath(const fs::path& path, const Profile* profile)
{
    if (profile && !profile->folder.empty()) {
        const fs::path relative = path.lexically_relative(profile->folder);
        if (!relative.empty() && *relative.begin() != "..") return Utf8(relative.generic_u8string());
    }
    return Utf8(path.u8string());
}

ReadStatus ReadBounded(const fs::path& path, std::size_t max_bytes, std::string* text)
{
    text->clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return ReadStatus::MISSING;
    if (!fs::is_regular_file(status)) {
        *text = error ? error.message() : "not a file";
        return ReadStatus::FAILED;
    }
    std::ifstream file(path, std::ios::binary);
    char chunk[16384];
    while (file) {
        file.read(chunk, sizeof chunk);
        const auto count = static_cast<std::size_t>(file.gcount());
        if (text->size() + count > max_bytes) {
            text->clear();
            return ReadStatus::TOO_LARGE;
        }
        text->append(chunk, count);
    }
    if (!file.eof()) {
        *text = "cannot be opened or read";
        return ReadStatus::FAILED;
    }
    return ReadStatus::READ;
}

bool WriteProfileFile(const ProfileLock& lock, const fs::path& path, std::string_view text)
{
    Profile& profile = lock.profile();
    if (!lock.Held() || !profile.can_write) return false;
    fs::path temporary = path;
    temporary += ".tmp";
    std::string why;
    if (PlatformWriteDurably(temporary, text, &why) && PlatformReplaceFile(temporary, path, &why)) {
        PlatformFilesSaved();
        return true;
    }
    std::error_code ignored;
    fs::remove(temporary, ignored);
    StopWriting(profile, why);
    return false;
}

fs::path SetAside(const ProfileLock& lock, const fs::path& path)
{
    if (!lock.Held() || !lock.profile().can_write) return {};
    const fs::path aside = FreshAside(path, "bad");
    std::string why;
    if (aside.empty() || !PlatformReplaceFile(path, aside, &why)) return {};
    PlatformFilesSaved();
    return aside;
}

LoadedText LoadProfileText(const ProfileLock& lock, const char* name, const char* noun,
                           const std::function<ParseOutcome(std::string_view)>& parse)
{
    const Profile& profile = lock.profile();
    LoadedText loaded;
    const fs::path path = profile.folder / name;
    loaded.status = ReadBounded(path, TEXT_FILE_MAX_BYTES, &loaded.text);
    switch (loaded.status) {
    case ReadStatus::MISSING:
        return loaded;
    case ReadStatus::FAILED:
        SayToPlayer(std::string(name) + " cannot be read (" + loaded.text + "); leaving it as it is");
        loaded.text.clear();
        return loaded;
    case ReadStatus::TOO_LARGE:
        loaded.outcome = {ParseOutcome::DAMAGED,
                          "is larger than " + std::to_string(TEXT_FILE_MAX_BYTES / 1024) + " KiB", 0};
        break;
    case ReadStatus::READ:
        loaded.outcome = parse(loaded.text);
        break;
    }
    if (loaded.outcome.health != ParseOutcome::DAMAGED) return loaded;
    const fs::path aside = SetAside(lock, path);
    const std::string kept = ", going on with " + Count(loaded.outcome.kept, noun);
    if (aside.empty()) {
        SayToPlayer(std::string(name) + " " + loaded.outcome.problem +
                    "; could not set it aside, so it is left as it is" + kept);
    } else {
        SayToPlayer(std::string(name) + " " + loaded.outcome.problem + "; set aside as " +
                    ShownPath(aside, &profile) + kept);
        loaded.status = ReadStatus::MISSING;
    }
    return loaded;
}

bool SaveProfileText(const ProfileLock& lock, const char* name, const LoadedText& replaced,
                     std::string_view text)
{
    const Profile& profile = lock.profile();
    if (!lock.Held() || !profile.can_write || !Replaceable(replaced)) return false;
    const fs::path path = profile.folder / name;
    if (replaced.outcome.health == ParseOutcome::NEWER && replaced.status == ReadStatus::READ) {
        const fs::path copy = FreshAside(path, "newer");
        if (copy.empty() || !WriteProfileFile(lock, copy, replaced.text)) return false;
        SayToPlayer(std::string(name) + " is from a newer version of Wavedart; a copy is kept as " +
                    ShownPath(copy, &profile) + " before this version saves over it");
    }
    return WriteProfileFile(lock, path, text);
}

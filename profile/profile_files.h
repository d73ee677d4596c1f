// Reading, writing and setting aside the files of an open profile. Each
// takes the profile's lock, and changes nothing unless it is held.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "profile/profile.h"
#include "profile/versioned_text.h"

constexpr const char* SCORES_FILE = "scores.txt";
constexpr const char* SETTINGS_FILE = "settings.txt";
constexpr const char* REPLAYS_FOLDER = "replays";
constexpr const char* LOCK_FILE = "profile.lock";
// Far above what the game writes, so that only a damaged file is refused.
constexpr std::size_t TEXT_FILE_MAX_BYTES = 64 * 1024;

// A path as UTF-8 for the player's messages: within the profile relative to
// it ("scores.txt", "replays/a.demo"), elsewhere whole.
std::string ShownPath(const std::filesystem::path& path, const Profile* profile = nullptr);

enum class ReadStatus { READ, MISSING, TOO_LARGE, FAILED };
// Reads a whole file of at most max_bytes; on FAILED *text holds the reason.
ReadStatus ReadBounded(const std::filesystem::path& path, std::size_t max_bytes, std::string* text);

// Replaces the file with text in one step: a temporary file beside it, on
// the disk before it is renamed over the old one. On failure the old file
// stays as it was and the profile stops writing (said once).
bool WriteProfileFile(const ProfileLock& lock, const std::filesystem::path& path, std::string_view text);

// Moves a damaged file to "<name>.bad-YYYYMMDD-HHMMSS", never over an earlier
// one (-2, -3 ... follow). Returns the new path, empty when it stayed.
std::filesystem::path SetAside(const ProfileLock& lock, const std::filesystem::path& path);

// A text file of the profile as read and checked by a parser.
struct LoadedText {
    ReadStatus status = ReadStatus::MISSING;
    ParseOutcome outcome;
    std::string text;
};

// Reads the profile's file name (SCORES_FILE ...) and hands it to parse. A
// missing file is a first run, said nowhere; a damaged or too large one is set
// aside, saying in one line what and how many records (noun: "score") are
// kept; one that cannot be read is said and left alone.
LoadedText LoadProfileText(const ProfileLock& lock, const char* name, const char* noun,
                           const std::function<ParseOutcome(std::string_view)>& parse);

// The records of the profile's file name as parse reads them: none without a
// profile; damage is handled as LoadProfileText does.
template <typename Records>
Records LoadRecords(Profile& profile, const char* name, const char* noun,
                    ParseOutcome (*parse)(std::string_view, Records*))
{
    Records records{};
    if (profile.folder.empty()) return records;
    const ProfileLock lock(profile);
    LoadProfileText(lock, name, noun, [&](std::string_view text) { return parse(text, &records); });
    return records;
}

// Replaces the profile's file with text. When what it replaces came from a
// newer game, a copy of that is kept first as "<name>.newer-YYYYMMDD-HHMMSS",
// saying so in one line. Refuses to replace a file that could not be read.
bool SaveProfileText(const ProfileLock& lock, const char* name, const LoadedText& replaced,
                     std::string_view text);

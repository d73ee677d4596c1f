#include "profile/settings_file.h"

#include "profile/profile_files.h"

namespace {

constexpr const char* SETTINGS_KIND = "wavedart-settings";
constexpr std::size_t MAX_KEY = 64;
constexpr std::size_t MAX_VALUE = 256;

LoadedText LoadFile(const ProfileLock& lock, Settings* settings)
{
    return LoadProfileText(lock, SETTINGS_FILE, "setting",
                           [settings](std::string_view text) { return ParseSettings(text, settings); });
}

}  // namespace

bool IsSettingKey(std::string_view key)
{
    if (key.empty() || key.size() > MAX_KEY) return false;
    for (const char letter : key) {
        if (!IsAsciiAlphanumeric(letter) && letter != '_' && letter != '.' && letter != '-') return false;
    }
    return true;
}

bool IsSettingValue(std::string_view value)
{
    if (value.size() > MAX_VALUE || Trim(value) != value) return false;
    for (const char letter : value) {
        if (static_cast<unsigned char>(letter) < ' ' || letter == 0x7F) return false;
    }
    return true;
}

const std::string* FindSetting(const Settings& settings, std::string_view key)
{
    for (const Setting& setting : settings) {
        if (setting.key == key) return &setting.value;
    }
    return nullptr;
}

void SetSetting(Settings* settings, std::string_view key, std::string_view value)
{
    for (Setting& setting : *settings) {
        if (setting.key == key) {
            setting.value = value;
            return;
        }
    }
    settings->push_back({std::string(key), std::string(value)});
}

std::string FormatSettings(const Settings& settings)
{
    std::string text = FormatVersionLine(SETTINGS_KIND, SETTINGS_VERSION);
    for (const Setting& setting : settings) text += setting.key + " = " + setting.value + "\n";
    return text + END_LINE;
}

ParseOutcome ParseSettings(std::string_view text, Settings* settings)
{
    settings->clear();
    VersionedText split;
    ParseOutcome outcome = SplitVersionedText(text, SETTINGS_KIND, SETTINGS_VERSION, &split);
    int damaged_lines = 0;
    for (const std::string_view line : split.lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (IsSettingKey(key) && IsSettingValue(value)) {
            SetSetting(settings, key, value);
        } else if (split.version <= SETTINGS_VERSION) {
            ++damaged_lines;
        }
    }
    outcome.kept = static_cast<int>(settings->size());
    NoteDamagedLines(damaged_lines, &outcome);
    return outcome;
}

Settings LoadSettings(Profile& profile)
{
    return LoadRecords(profile, SETTINGS_FILE, "setting", ParseSettings);
}

bool SaveSettings(Profile& profile, const Settings& settings)
{
    if (!profile.can_write) return false;
    for (const Setting& setting : settings) {
        if (!IsSettingKey(setting.key) || !IsSettingValue(setting.value)) return false;
    }
    const ProfileLock lock(profile);
    if (!lock.Held()) return false;
    Settings merged = settings;
    Settings on_disk;
    const LoadedText replaced = LoadFile(lock, &on_disk);
    for (const Setting& setting : on_disk) {
        if (!FindSetting(merged, setting.key)) merged.push_back(setting);
    }
    return SaveProfileText(lock, SETTINGS_FILE, replaced, FormatSettings(merged));
}

#include "options/settings_table.h"

#include <charconv>

#include "app/pause.h"
#include "platform/audio.h"
#include "platform/video.h"

namespace {

// The volume's steps as the mixer's master volume: about 3 dB apart, so that
// each step sounds as much quieter as the last, down to silence at 0. 10 is
// the game's own level, which the mixer leaves untouched.
constexpr int VOLUME_PERCENT[] = {0, 4, 6, 9, 13, 18, 25, 35, 50, 71, PLATFORM_MASTER_VOLUME_MAX};

void ApplyVolume(int volume)
{
    PlatformSetMasterVolume(VOLUME_PERCENT[volume]);
}

void ApplyDisplay(int full_screen)
{
    PlatformChooseFullScreen(full_screen);
}

void ApplyScaling(int mode)
{
    PlatformSetScaling(mode);
}

void ApplyVsync(int on)
{
    PlatformSetVsync(on);
}

void ApplyFocusPause(int on)
{
    pause_on_focus_loss = on;
}

// The indices of these lists are the values PlatformChooseFullScreen and the
// switches take.
constexpr SettingChoice DISPLAY_CHOICES[] = {
    {"window", "WINDOW", "--window", "play in a window this time"},
    {"fullscreen", "FULL SCREEN", "--fullscreen", "play full screen this time"},
};
// Indexed by PLATFORM_SCALING_SHARP and PLATFORM_SCALING_FILL.
constexpr SettingChoice SCALING_CHOICES[] = {
    {"sharp", "SHARP", nullptr, nullptr},
    {"fill", "FILL", nullptr, nullptr},
};
static_assert(PLATFORM_SCALING_SHARP == 0 && PLATFORM_SCALING_FILL == 1, "the scaling choices' order");
constexpr SettingChoice ON_OFF[] = {
    {"off", "OFF", nullptr, nullptr},
    {"on", "ON", nullptr, nullptr},
};

constexpr SettingDef Range(const char* key, const char* label, int low, int high, int default_value, bool cue,
                           void (*apply)(int))
{
    return {key, label, SETTING_RANGE, low, high, {}, default_value, cue, apply};
}

constexpr SettingDef Choice(const char* key, const char* label, std::span<const SettingChoice> choices,
                            int default_value, void (*apply)(int))
{
    return {key, label, SETTING_CHOICE, 0, static_cast<int>(choices.size()) - 1, choices, default_value, false, apply};
}

constexpr SettingDef SETTINGS[] = {
    Range("volume", "Sound volume", 0, 10, 10, true, ApplyVolume),
    Choice("display", "Display", DISPLAY_CHOICES, 1, ApplyDisplay),
    Choice("scaling", "Scaling", SCALING_CHOICES, PLATFORM_SCALING_SHARP, ApplyScaling),
    Choice("vsync", "Vsync", ON_OFF, 1, ApplyVsync),
    Choice("pause_on_focus_loss", "Pause when the window loses focus", ON_OFF, 1, ApplyFocusPause),
};

static_assert(std::size(VOLUME_PERCENT) == SETTINGS[0].high + 1, "a percentage for every volume");

}  // namespace

std::span<const SettingDef> SettingTable()
{
    return SETTINGS;
}

int FindSettingIndex(const std::string& key)
{
    for (std::size_t i = 0; i < std::size(SETTINGS); ++i) {
        if (key == SETTINGS[i].key) return static_cast<int>(i);
    }
    return -1;
}

std::string SettingText(const SettingDef& setting, int value)
{
    if (setting.kind == SETTING_CHOICE) return setting.choices[static_cast<std::size_t>(value)].word;
    return std::to_string(value);
}

std::string SettingShown(const SettingDef& setting, int value)
{
    if (setting.kind == SETTING_CHOICE) return setting.choices[static_cast<std::size_t>(value)].shown;
    return std::to_string(value);
}

std::string SettingValuesText(const SettingDef& setting)
{
    if (setting.kind == SETTING_RANGE) return std::to_string(setting.low) + " to " + std::to_string(setting.high);
    std::string text;
    for (std::size_t i = 0; i < setting.choices.size(); ++i) {
        if (i > 0) text += i + 1 == setting.choices.size() ? " or " : ", ";
        text += setting.choices[i].word;
    }
    return text;
}

bool ParseSettingText(const SettingDef& setting, const std::string& text, int* value)
{
    if (setting.kind == SETTING_CHOICE) {
        for (std::size_t i = 0; i < setting.choices.size(); ++i) {
            if (text == setting.choices[i].word) {
                *value = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || number < setting.low || number > setting.high) {
        return false;
    }
    *value = number;
    return true;
}

int StepSetting(const SettingDef& setting, int value, int step)
{
    const int next = value + step;
    if (setting.kind == SETTING_CHOICE) {
        const int count = setting.high - setting.low + 1;
        return setting.low + ((next - setting.low) % count + count) % count;
    }
    return next < setting.low ? setting.low : next > setting.high ? setting.high : next;
}

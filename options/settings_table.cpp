#include "options/settings_table.h"

#include <cctype>
#include <charconv>

#include "app/pause.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "platform/audio.h"
#include "platform/touch_look.h"
#include "platform/video.h"

namespace {

std::string Capitals(std::string text)
{
    for (char& letter : text) letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    return text;
}

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

// The page's touch controls: five sizes a fifth apart about the usual, and
// tenths of full opacity.
void ApplyTouchSize(int size)
{
    PlatformSetTouchControlSize(40 + 20 * size);
}

void ApplyTouchOpacity(int opacity)
{
    PlatformSetTouchControlOpacity(10 * opacity);
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

// A binding taken from the file swaps with the action that had the key or
// button, so every action keeps one of each whatever the file says.
template <int action>
void ApplyKey(int key)
{
    BindKey(action, key);
}

template <int action>
void ApplyButton(int button)
{
    BindButton(action, static_cast<unsigned>(button));
}

template <int action>
constexpr SettingDef Key(const char* key, const char* label)
{
    return {key, label, SETTING_KEY, 0, 0, {}, DEFAULT_BINDINGS[action].key, false, ApplyKey<action>};
}

template <int action>
constexpr SettingDef Button(const char* key, const char* label)
{
    return {key,   label, SETTING_BUTTON, 0, 0, {}, static_cast<int>(DEFAULT_BINDINGS[action].button),
            false, ApplyButton<action>};
}

constexpr SettingDef SETTINGS[] = {
    Range("volume", "Sound volume", 0, 10, 10, true, ApplyVolume),
    Choice("display", "Display", DISPLAY_CHOICES, 1, ApplyDisplay),
    Choice("scaling", "Scaling", SCALING_CHOICES, PLATFORM_SCALING_SHARP, ApplyScaling),
    Choice("vsync", "Vsync", ON_OFF, 1, ApplyVsync),
    Choice("pause_on_focus_loss", "Pause when the window loses focus", ON_OFF, 1, ApplyFocusPause),
    Range("touch_size", "Touch controls size", 1, 5, 3, false, ApplyTouchSize),
    Range("touch_opacity", "Touch controls opacity", 1, 10, 6, false, ApplyTouchOpacity),
    Key<ACTION_STEER_LEFT>("key_steer_left", "Key to steer left"),
    Key<ACTION_STEER_RIGHT>("key_steer_right", "Key to steer right"),
    Key<ACTION_FASTER>("key_faster", "Key to fly faster"),
    Key<ACTION_SLOWER>("key_slower", "Key to fly slower"),
    Key<ACTION_FIRE>("key_fire", "Key to fire"),
    Key<ACTION_PAUSE>("key_pause", "Key to pause"),
    Key<ACTION_BACK>("key_back", "Key back to the menu"),
    Button<ACTION_STEER_LEFT>("button_steer_left", "Pad button to steer left"),
    Button<ACTION_STEER_RIGHT>("button_steer_right", "Pad button to steer right"),
    Button<ACTION_FASTER>("button_faster", "Pad button to fly faster"),
    Button<ACTION_SLOWER>("button_slower", "Pad button to fly slower"),
    Button<ACTION_FIRE>("button_fire", "Pad button to fire"),
    Button<ACTION_PAUSE>("button_pause", "Pad button to pause"),
    Button<ACTION_BACK>("button_back", "Pad button back to the menu, held for a second"),
};

constexpr int OPTIONS_SCREEN_SETTINGS = 7;
constexpr int FIRST_KEY_SETTING = OPTIONS_SCREEN_SETTINGS;
constexpr int FIRST_BUTTON_SETTING = FIRST_KEY_SETTING + ACTION_COUNT;

static_assert(std::size(VOLUME_PERCENT) == SETTINGS[0].high + 1, "a percentage for every volume");
static_assert(SETTINGS[OPTIONS_SCREEN_SETTINGS - 1].kind == SETTING_RANGE &&
                  SETTINGS[FIRST_KEY_SETTING].kind == SETTING_KEY &&
                  SETTINGS[FIRST_BUTTON_SETTING].kind == SETTING_BUTTON &&
                  std::size(SETTINGS) == FIRST_BUTTON_SETTING + ACTION_COUNT,
              "the Options screen's settings, then a key and a button for every action in its order");

}  // namespace

std::span<const SettingDef> SettingTable()
{
    return SETTINGS;
}

std::span<const SettingDef> OptionsScreenSettings()
{
    return SettingTable().first(OPTIONS_SCREEN_SETTINGS);
}

int BindingSettingIndex(SettingKind kind, int action)
{
    return (kind == SETTING_KEY ? FIRST_KEY_SETTING : FIRST_BUTTON_SETTING) + action;
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
    if (setting.kind == SETTING_KEY) return KeyName(value);
    if (setting.kind == SETTING_BUTTON) return ButtonName(static_cast<unsigned>(value));
    return std::to_string(value);
}

std::string SettingShown(const SettingDef& setting, int value)
{
    if (setting.kind == SETTING_CHOICE) return setting.choices[static_cast<std::size_t>(value)].shown;
    if (setting.kind == SETTING_KEY || setting.kind == SETTING_BUTTON) return Capitals(SettingText(setting, value));
    return std::to_string(value);
}

std::string SettingLabelShown(const SettingDef& setting)
{
    return Capitals(setting.label);
}

std::string SettingValuesText(const SettingDef& setting)
{
    if (setting.kind == SETTING_KEY) return "a key's name, as the Controls screen shows it";
    if (setting.kind == SETTING_BUTTON) return "a pad button's name, as the Controls screen shows it";
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
    if (setting.kind == SETTING_KEY || setting.kind == SETTING_BUTTON) {
        const int named = setting.kind == SETTING_KEY ? KeyFromName(text.c_str())
                                                      : static_cast<int>(ButtonFromName(text.c_str()));
        if (named == 0) return false;
        *value = named;
        return true;
    }
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

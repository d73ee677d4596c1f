#include "options/player_settings.h"

#include <string>
#include <vector>

#include "options/settings_table.h"
#include "platform/video.h"
#include "profile/profile.h"
#include "profile/settings_file.h"

namespace {

struct Values {
    std::vector<int> in_force;
    std::vector<int> kept;
};

Profile* settings_profile = nullptr;
Values values;

void Keep()
{
    if (!settings_profile) return;
    Settings settings;
    const std::span<const SettingDef> table = SettingTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        settings.push_back({table[i].key, SettingText(table[i], values.kept[i])});
    }
    SaveSettings(*settings_profile, settings);
}

// The index of the table's display setting; it is always there.
int DisplayIndex()
{
    return FindSettingIndex("display");
}

void OnFullScreenSwitch(int full_screen)
{
    ChangeSetting(DisplayIndex(), full_screen);
}

}  // namespace

void LoadPlayerSettings(Profile* profile)
{
    settings_profile = profile && !profile->folder.empty() ? profile : nullptr;
    const std::span<const SettingDef> table = SettingTable();
    values.kept.assign(table.size(), 0);
    for (std::size_t i = 0; i < table.size(); ++i) values.kept[i] = table[i].default_value;
    if (settings_profile) {
        for (const Setting& setting : LoadSettings(*settings_profile)) {
            const int index = FindSettingIndex(setting.key);
            if (index < 0) {
                SayToPlayer("settings.txt: " + setting.key +
                            " is no setting this version knows; it is kept but not used");
                continue;
            }
            const SettingDef& def = table[static_cast<std::size_t>(index)];
            if (!ParseSettingText(def, setting.value, &values.kept[static_cast<std::size_t>(index)])) {
                SayToPlayer("settings.txt: " + setting.key + " = " + setting.value + " is not " +
                            SettingValuesText(def) + "; " + SettingText(def, def.default_value) + " is used");
            }
        }
    }
    values.in_force = values.kept;
    for (std::size_t i = 0; i < table.size(); ++i) table[i].apply(values.in_force[i]);
    PlatformOnFullScreenSwitch(OnFullScreenSwitch);
}

void ForgetPlayerSettings()
{
    PlatformOnFullScreenSwitch(nullptr);
    settings_profile = nullptr;
}

bool SettingsKept()
{
    return settings_profile && settings_profile->can_write;
}

int SettingInForce(int index)
{
    return values.in_force[static_cast<std::size_t>(index)];
}

void ChooseSettingForRun(int index, int value)
{
    values.in_force[static_cast<std::size_t>(index)] = value;
    SettingTable()[static_cast<std::size_t>(index)].apply(value);
}

void ChangeSetting(int index, int value)
{
    const auto i = static_cast<std::size_t>(index);
    if (values.in_force[i] == value && values.kept[i] == value) return;
    values.in_force[i] = value;
    values.kept[i] = value;
    SettingTable()[i].apply(value);
    Keep();
}

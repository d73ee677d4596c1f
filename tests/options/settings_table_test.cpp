// What the settings' table drives: how each kind of value reads, writes and
// steps, and the help and man page made from the table.
#include <gtest/gtest.h>

#include <string>

#include "command_line/options.h"
#include "input/bindings.h"
#include "options/settings_table.h"

namespace {

constexpr SettingChoice THREE[] = {
    {"low", "LOW", nullptr, nullptr},
    {"middle", "MIDDLE", "--middle", "the middle one this time"},
    {"high", "HIGH", nullptr, nullptr},
};
constexpr SettingChoice ON_OFF[] = {{"off", "OFF", nullptr, nullptr}, {"on", "ON", nullptr, nullptr}};

void Ignore(int) {}

const SettingDef RANGE{"level", "Level", SETTING_RANGE, 2, 12, {}, 5, false, Ignore};
const SettingDef CHOICE{"size", "Size", SETTING_CHOICE, 0, 2, THREE, 1, false, Ignore};
const SettingDef SWITCH{"sharp", "Sharp", SETTING_CHOICE, 0, 1, ON_OFF, 1, false, Ignore};
const SettingDef KEY{"key_jump", "Key to jump", SETTING_KEY, 0, 0, {}, DIK_SPACE, false, Ignore};
const SettingDef BUTTON{"button_jump", "Pad button to jump", SETTING_BUTTON, 0, 0, {}, GAMEPAD_A, false, Ignore};

}  // namespace

TEST(SettingsTable, EveryValueOfEverySettingReadsBackAsWritten)
{
    for (const SettingDef& setting : SettingTable()) {
        ASSERT_EQ(FindSettingIndex(setting.key), &setting - SettingTable().data());
        const bool named = setting.kind == SETTING_KEY || setting.kind == SETTING_BUTTON;
        const int low = named ? setting.default_value : setting.low;
        const int high = named ? setting.default_value : setting.high;
        for (int value = low; value <= high; ++value) {
            int read = -1;
            EXPECT_TRUE(ParseSettingText(setting, SettingText(setting, value), &read)) << setting.key << value;
            EXPECT_EQ(read, value) << setting.key;
        }
    }
    for (const SettingDef& setting : OptionsScreenSettings()) {
        EXPECT_TRUE(setting.kind == SETTING_RANGE || setting.kind == SETTING_CHOICE) << setting.key;
    }
    EXPECT_EQ(FindSettingIndex("colour"), -1);
}

TEST(SettingsTable, EachKindReadsOnlyItsOwnValuesAndStepsWithinThem)
{
    struct Case {
        const SettingDef* setting;
        const char* text;
        int value;  // -1: refused
    };
    const Case cases[] = {
        {&RANGE, "2", 2},       {&RANGE, "12", 12},     {&RANGE, "1", -1},        {&RANGE, "13", -1},
        {&RANGE, "-3", -1},     {&RANGE, "7x", -1},     {&RANGE, "", -1},         {&RANGE, "+7", -1},
        {&RANGE, "99999999999", -1},                    {&CHOICE, "low", 0},      {&CHOICE, "high", 2},
        {&CHOICE, "High", -1},  {&CHOICE, "2", -1},     {&CHOICE, "", -1},        {&SWITCH, "on", 1},
        {&SWITCH, "off", 0},    {&SWITCH, "yes", -1},   {&SWITCH, "1", -1},
        {&KEY, "left shift", DIK_LSHIFT}, {&KEY, "Keypad Enter", DIK_NUMPADENTER}, {&KEY, "Escape", -1},
        {&KEY, "57", -1},       {&KEY, "", -1},         {&BUTTON, "rb", static_cast<int>(GAMEPAD_RIGHT_SHOULDER)},
        {&BUTTON, "Space", -1}, {&BUTTON, "1", -1},
    };
    for (const Case& c : cases) {
        int value = -1;
        EXPECT_EQ(ParseSettingText(*c.setting, c.text, &value), c.value >= 0) << c.setting->key << " " << c.text;
        EXPECT_EQ(value, c.value) << c.setting->key << " " << c.text;
    }
    EXPECT_EQ(SettingValuesText(RANGE), "2 to 12");
    EXPECT_EQ(SettingValuesText(CHOICE), "low, middle or high");
    EXPECT_EQ(SettingValuesText(SWITCH), "off or on");

    // A range stops at its ends and a choice goes round.
    const int steps[][3] = {{5, 1, 6}, {5, -1, 4}, {12, 1, 12}, {2, -1, 2}};
    for (const auto& [value, step, next] : steps) EXPECT_EQ(StepSetting(RANGE, value, step), next) << value << step;
    const int rounds[][3] = {{0, 1, 1}, {2, 1, 0}, {0, -1, 2}};
    for (const auto& [value, step, next] : rounds) EXPECT_EQ(StepSetting(CHOICE, value, step), next) << value << step;
}

TEST(SettingsTable, HelpAndTheManPageFollowFromTheTable)
{
    const std::string usage = UsageText();
    const std::string man = ManPageSettings();
    EXPECT_EQ(man.rfind(".SH SETTINGS\n", 0), 0u);
    for (const SettingDef& setting : SettingTable()) {
        const std::string line = std::string(".BR ") + setting.key + " \" = " + SettingValuesText(setting) + "\"\n";
        EXPECT_NE(man.find(line), std::string::npos) << line;
        for (const SettingChoice& choice : setting.choices) {
            if (!choice.flag) continue;
            EXPECT_NE(usage.find(std::string("\n  ") + choice.flag + " "), std::string::npos) << choice.flag;
            CommandLine parsed;
            std::string error;
            ASSERT_TRUE(ParseCommandLine({choice.flag}, &parsed, &error)) << error;
            ASSERT_EQ(parsed.settings.size(), 1u);
            EXPECT_EQ(parsed.settings[0].setting, &setting - SettingTable().data());
            EXPECT_EQ(SettingText(setting, parsed.settings[0].value), choice.word);
        }
    }
}

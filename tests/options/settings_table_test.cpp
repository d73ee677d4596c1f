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
        if (setting.kind == SETTING_KEY || setting.kind == SETTING_BUTTON) {
            int read = -1;
            ASSERT_TRUE(ParseSettingText(setting, SettingText(setting, setting.default_value), &read)) << setting.key;
            EXPECT_EQ(read, setting.default_value) << setting.key;
            continue;
        }
        ASSERT_GE(setting.default_value, setting.low) << setting.key;
        ASSERT_LE(setting.default_value, setting.high) << setting.key;
        for (int value = setting.low; value <= setting.high; ++value) {
            int read = -1;
            ASSERT_TRUE(ParseSettingText(setting, SettingText(setting, value), &read)) << setting.key << value;
            EXPECT_EQ(read, value) << setting.key;
            EXPECT_FALSE(SettingShown(setting, value).empty());
        }
    }
    EXPECT_EQ(FindSettingIndex("colour"), -1);
}

TEST(SettingsTable, TheOptionsScreensRowsComeFirstThenAKeyAndAButtonForEachActionInItsOrder)
{
    const auto table = SettingTable();
    const auto shown = OptionsScreenSettings();
    EXPECT_EQ(shown.data(), table.data());
    for (const SettingDef& setting : shown) {
        EXPECT_TRUE(setting.kind == SETTING_RANGE || setting.kind == SETTING_CHOICE) << setting.key;
    }
    for (int action = 0; action < ACTION_COUNT; ++action) {
        const SettingDef& key = table[static_cast<std::size_t>(BindingSettingIndex(SETTING_KEY, action))];
        const SettingDef& button = table[static_cast<std::size_t>(BindingSettingIndex(SETTING_BUTTON, action))];
        EXPECT_EQ(key.kind, SETTING_KEY);
        EXPECT_EQ(key.default_value, DEFAULT_BINDINGS[action].key);
        EXPECT_EQ(button.kind, SETTING_BUTTON);
        EXPECT_EQ(button.default_value, static_cast<int>(DEFAULT_BINDINGS[action].button));
    }
    EXPECT_EQ(shown.size() + 2 * ACTION_COUNT, table.size());
}

TEST(SettingsTable, EachKindReadsOnlyItsOwnValues)
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
    EXPECT_EQ(SettingText(CHOICE, 2), "high");
    EXPECT_EQ(SettingShown(CHOICE, 0), "LOW");
    EXPECT_EQ(SettingText(RANGE, 12), "12");
}

TEST(SettingsTable, ARangeStopsAtItsEndsAndAChoiceGoesRound)
{
    struct Case {
        const SettingDef* setting;
        int value, step, next;
    };
    const Case cases[] = {
        {&RANGE, 5, 1, 6},  {&RANGE, 5, -1, 4},  {&RANGE, 12, 1, 12}, {&RANGE, 2, -1, 2},
        {&CHOICE, 0, 1, 1}, {&CHOICE, 2, 1, 0},  {&CHOICE, 0, -1, 2}, {&SWITCH, 1, 1, 0},
        {&SWITCH, 0, -1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepSetting(*c.setting, c.value, c.step), c.next) << c.setting->key << " " << c.value;
    }
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

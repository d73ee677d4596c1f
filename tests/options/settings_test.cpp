// The settings: how each kind of value in the table reads, writes and
// steps; the help and man page made from the table; and the values kept in
// a scratch profile's settings.txt, read at start-up and put into effect,
// each bad line said once, written on every change, and chosen for one run
// without being kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/pause.h"
#include "command_line/options.h"
#include "platform/audio.h"
#include "platform/headless/headless_video.h"
#include "platform/video.h"
#include "tests/options/options_fixture.h"

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

using PlayerSettingsTest = OptionsTest;

TEST_F(PlayerSettingsTest, ABadFileOrBadValuesGiveTheDefaultsWithALineEach)
{
    static const char garbage[] = "\x7f\x45LF\x02\x01\x01\0\0garbage\xff\xfe";
    struct Case {
        std::string file;
        int lines;
        std::size_t set_aside;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"wavedart-settings 1\nvolume = 11\ndisplay = huge\nscaling = blurry\nvsync = 2\n"
         "pause_on_focus_loss = -1\ncolour = green\nend\n",
         6, 0,
         {"wavedart: settings.txt: volume = 11 is not 0 to 10; 10 is used\n",
          "display = huge is not window or fullscreen; fullscreen is used\n",
          "scaling = blurry is not sharp or fill; sharp is used\n",
          "wavedart: settings.txt: colour is no setting this version knows"}},
        {"wavedart-settings 1\nkey_pause = Escape\nbutton_back = Z\nend\n", 2, 0,
         {"key_pause = Escape is not a key's name", "button_back = Z is not a pad button's name"}},
        {std::string(garbage, sizeof garbage - 1), 1, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const std::string said = Load(c.file);
        EXPECT_EQ(static_cast<int>(std::count(said.begin(), said.end(), '\n')), c.lines) << said;
        for (const std::string& line : c.said) EXPECT_NE(said.find(line), std::string::npos) << line;
        EXPECT_EQ(FilesStartingWith(scratch.path, "settings.txt.bad-").size(), c.set_aside);
        for (const SettingDef& setting : SettingTable()) {
            EXPECT_EQ(SettingInForce(FindSettingIndex(setting.key)), setting.default_value) << setting.key;
        }
        EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
        EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_SHARP);
        for (int action = 0; action < ACTION_COUNT; ++action) {
            EXPECT_EQ(bindings[action].key, DEFAULT_BINDINGS[action].key);
            EXPECT_EQ(bindings[action].button, DEFAULT_BINDINGS[action].button);
        }
        ForgetPlayerSettings();
    }
}

TEST_F(PlayerSettingsTest, AChangeTakesEffectAndIsKeptButAChoiceForTheRunIsNot)
{
    EXPECT_EQ(Load("wavedart-settings 1\n# the player's\nvolume = 4\nscaling = fill\nnewer_setting = 3\nend\n"),
              "wavedart: settings.txt: newer_setting is no setting this version knows; it is kept but not used\n");
    EXPECT_EQ(PlatformMasterVolume(), 13);
    EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_FILL);
    const int display = FindSettingIndex("display");
    ChooseSettingForRun(display, 0);
    EXPECT_EQ(SettingInForce(display), 0);
    ChangeSetting(FindSettingIndex("volume"), 0);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    ChangeSetting(FindSettingIndex("pause_on_focus_loss"), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
    ChangeSetting(FindSettingIndex("vsync"), 0);
    EXPECT_EQ(HeadlessVsyncWanted(), 0);
    EXPECT_TRUE(KeptHas("volume = 0") && KeptHas("scaling = fill") && KeptHas("pause_on_focus_loss = off"));
    EXPECT_TRUE(KeptHas("display = fullscreen") && KeptHas("newer_setting = 3")) << Kept();
    ChangeSetting(display, 0);
    EXPECT_TRUE(KeptHas("display = window")) << "the run's value, chosen, is kept";
    ChangeSetting(display, 1);
    // The player's own switch is a change, kept.
    PlatformFullScreenSwitched(1);
    PlatformFullScreenSwitched(0);
    EXPECT_EQ(SettingInForce(display), 0);
    EXPECT_TRUE(KeptHas("display = window"));

    ForgetPlayerSettings();
    ChangeSetting(FindSettingIndex("volume"), 10);
    pause_on_focus_loss = 1;
    LoadPlayerSettings(&profile);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
}

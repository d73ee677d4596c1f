// The settings kept in a scratch profile's settings.txt: read at start-up
// and put into effect, each bad line said once, written on every change,
// and chosen for one run without being kept.
#include <gtest/gtest.h>

#include <string>

#include "app/pause.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "platform/audio.h"
#include "platform/headless/headless_video.h"
#include "platform/video.h"
#include "profile/profile.h"
#include "tests/profile/profile_fixture.h"

namespace {

int Index(const char* key)
{
    return FindSettingIndex(key);
}

class PlayerSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
    }

    void TearDown() override
    {
        ForgetPlayerSettings();
        CloseProfile(&profile);
    }

    void WriteSettings(const std::string& lines) { WriteText(scratch.path / "settings.txt", lines); }
    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    // What loading the settings says, one line each.
    std::string Load()
    {
        return Said([this] { LoadPlayerSettings(&profile); });
    }

    void ExpectDefaults()
    {
        for (const SettingDef& setting : SettingTable()) {
            EXPECT_EQ(SettingInForce(Index(setting.key)), setting.default_value) << setting.key;
        }
    }

    ScratchFolder scratch;
    Profile profile;
};

int Lines(const std::string& text)
{
    int lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

}  // namespace

TEST_F(PlayerSettingsTest, EveryValueOutOfRangeFallsBackToItsDefaultWithALineEach)
{
    WriteSettings(
        "wavedart-settings 1\nvolume = 11\ndisplay = huge\nscaling = blurry\nvsync = 2\n"
        "pause_on_focus_loss = -1\ncolour = green\nend\n");
    const std::string said = Load();
    ExpectDefaults();
    EXPECT_EQ(Lines(said), 6) << said;
    EXPECT_NE(said.find("wavedart: settings.txt: volume = 11 is not 0 to 10; 10 is used\n"), std::string::npos)
        << said;
    EXPECT_NE(said.find("display = huge is not window or fullscreen; fullscreen is used\n"), std::string::npos);
    EXPECT_NE(said.find("scaling = blurry is not sharp or fill; sharp is used\n"), std::string::npos);
    EXPECT_NE(said.find("wavedart: settings.txt: colour is no setting this version knows"), std::string::npos);
    EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
    EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_SHARP);
}

TEST_F(PlayerSettingsTest, AGarbageFileIsSetAsideAndTheDefaultsPlayWithOneLine)
{
    static const char garbage[] = "\x7f\x45LF\x02\x01\x01\0\0garbage\xff\xfe";
    WriteSettings(std::string(garbage, sizeof garbage - 1));
    const std::string said = Load();
    ExpectDefaults();
    EXPECT_EQ(Lines(said), 1) << said;
    EXPECT_EQ(FilesStartingWith(scratch.path, "settings.txt.bad-").size(), 1u);
}

TEST_F(PlayerSettingsTest, AChangeTakesEffectAndIsReadBackAtTheNextStart)
{
    WriteSettings("wavedart-settings 1\n# the player's\nvolume = 4\nscaling = fill\nnewer_setting = 3\nend\n");
    EXPECT_EQ(Load(), "wavedart: settings.txt: newer_setting is no setting this version knows; it is kept but "
                      "not used\n");
    EXPECT_EQ(SettingInForce(Index("volume")), 4);
    EXPECT_EQ(PlatformMasterVolume(), 13);
    EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_FILL);
    ChangeSetting(Index("volume"), 0);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    ChangeSetting(Index("pause_on_focus_loss"), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
    EXPECT_EQ(Kept(),
              "wavedart-settings 1\nvolume = 0\ndisplay = fullscreen\nscaling = fill\nvsync = on\n"
              "pause_on_focus_loss = off\ntouch_size = 3\ntouch_opacity = 6\n"
              "key_steer_left = Left\nkey_steer_right = Right\nkey_faster = Up\nkey_slower = Down\n"
              "key_fire = Space\nkey_pause = P\nkey_back = Backspace\nbutton_steer_left = D-pad left\n"
              "button_steer_right = D-pad right\nbutton_faster = D-pad up\nbutton_slower = D-pad down\n"
              "button_fire = A\nbutton_pause = Start\nbutton_back = B\nnewer_setting = 3\nend\n");

    ForgetPlayerSettings();
    ChangeSetting(Index("volume"), 10);
    pause_on_focus_loss = 1;
    Load();
    EXPECT_EQ(SettingInForce(Index("volume")), 0);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
}

TEST_F(PlayerSettingsTest, AChoiceForTheRunIsInForceButNotKept)
{
    WriteSettings("wavedart-settings 1\ndisplay = fullscreen\nend\n");
    Load();
    const int display = Index("display");
    ChooseSettingForRun(display, 0);
    EXPECT_EQ(SettingInForce(display), 0);
    ChangeSetting(Index("vsync"), 0);
    EXPECT_EQ(HeadlessVsyncWanted(), 0);
    EXPECT_NE(Kept().find("\ndisplay = fullscreen\n"), std::string::npos) << Kept();
    ChangeSetting(display, 0);
    EXPECT_NE(Kept().find("\ndisplay = window\n"), std::string::npos) << "the run's value, chosen, is kept";
    ChangeSetting(display, 1);
    // The player's own switch is a change, kept.
    PlatformFullScreenSwitched(1);
    PlatformFullScreenSwitched(0);
    EXPECT_EQ(SettingInForce(display), 0);
    EXPECT_NE(Kept().find("\ndisplay = window\n"), std::string::npos) << Kept();
}

TEST(PlayerSettingsWithoutProfile, ChangesLastForTheRunAndNothingIsWritten)
{
    Profile none;
    const std::string said = Said([&] { LoadPlayerSettings(&none); });
    EXPECT_EQ(said, "");
    EXPECT_FALSE(SettingsKept());
    ChangeSetting(FindSettingIndex("volume"), 3);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 3);
    EXPECT_EQ(PlatformMasterVolume(), 9);
    LoadPlayerSettings(nullptr);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 10);
    ForgetPlayerSettings();
}

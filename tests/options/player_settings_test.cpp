// The settings kept in a scratch profile's settings.txt: read at start-up
// and put into effect, each bad line said once, written on every change,
// and chosen for one run without being kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

    // The settings file written, then loaded; returns what loading said.
    std::string Load(const std::string& file)
    {
        WriteText(scratch.path / "settings.txt", file);
        return Said([this] { LoadPlayerSettings(&profile); });
    }

    bool KeptHas(const std::string& line) const
    {
        return ReadText(scratch.path / "settings.txt").find("\n" + line + "\n") != std::string::npos;
    }

    ScratchFolder scratch;
    Profile profile;
};

}  // namespace

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
        {std::string(garbage, sizeof garbage - 1), 1, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const std::string said = Load(c.file);
        EXPECT_EQ(static_cast<int>(std::count(said.begin(), said.end(), '\n')), c.lines) << said;
        for (const std::string& line : c.said) EXPECT_NE(said.find(line), std::string::npos) << line;
        EXPECT_EQ(FilesStartingWith(scratch.path, "settings.txt.bad-").size(), c.set_aside);
        for (const SettingDef& setting : SettingTable()) {
            EXPECT_EQ(SettingInForce(Index(setting.key)), setting.default_value) << setting.key;
        }
        EXPECT_EQ(PlatformMasterVolume(), PLATFORM_MASTER_VOLUME_MAX);
        EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_SHARP);
        ForgetPlayerSettings();
    }
}

TEST_F(PlayerSettingsTest, AChangeTakesEffectAndIsReadBackAtTheNextStart)
{
    EXPECT_EQ(Load("wavedart-settings 1\n# the player's\nvolume = 4\nscaling = fill\nnewer_setting = 3\nend\n"),
              "wavedart: settings.txt: newer_setting is no setting this version knows; it is kept but not used\n");
    EXPECT_EQ(PlatformMasterVolume(), 13);
    EXPECT_EQ(HeadlessScalingWanted(), PLATFORM_SCALING_FILL);
    ChangeSetting(Index("volume"), 0);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    ChangeSetting(Index("pause_on_focus_loss"), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
    EXPECT_TRUE(KeptHas("volume = 0") && KeptHas("scaling = fill") && KeptHas("pause_on_focus_loss = off"));
    EXPECT_TRUE(KeptHas("newer_setting = 3")) << "a newer version's line is kept";

    ForgetPlayerSettings();
    ChangeSetting(Index("volume"), 10);
    pause_on_focus_loss = 1;
    LoadPlayerSettings(&profile);
    EXPECT_EQ(PlatformMasterVolume(), 0);
    EXPECT_EQ(pause_on_focus_loss, 0);
}

TEST_F(PlayerSettingsTest, AChoiceForTheRunIsInForceButNotKept)
{
    Load("wavedart-settings 1\ndisplay = fullscreen\nend\n");
    const int display = Index("display");
    ChooseSettingForRun(display, 0);
    EXPECT_EQ(SettingInForce(display), 0);
    ChangeSetting(Index("vsync"), 0);
    EXPECT_EQ(HeadlessVsyncWanted(), 0);
    EXPECT_TRUE(KeptHas("display = fullscreen"));
    ChangeSetting(display, 0);
    EXPECT_TRUE(KeptHas("display = window")) << "the run's value, chosen, is kept";
    ChangeSetting(display, 1);
    // The player's own switch is a change, kept.
    PlatformFullScreenSwitched(1);
    PlatformFullScreenSwitched(0);
    EXPECT_EQ(SettingInForce(display), 0);
    EXPECT_TRUE(KeptHas("display = window"));
}

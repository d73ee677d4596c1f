// The Options screen in the running game on the headless backend, over a
// scratch profile: reached with O, its rows from the table, values changed
// at once and kept, Controls opened, and back with Backspace.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "added_screens/screen_text.h"
#include "app/extensions.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/screen_layout.h"
#include "options/settings_table.h"
#include "platform/audio.h"
#include "platform/headless/headless_video.h"
#include "profile/profile.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"
#include "tests/play/play_fixture.h"
#include "tests/play/shown_text.h"
#include "tests/profile/profile_fixture.h"

namespace {

int controls_frames = 0;

void RunControls()
{
    ++controls_frames;
}

class OptionsScreenTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
        LoadPlayerSettings(&profile);
        InstallOptions();
    }

    void TearDown() override
    {
        UninstallOptions();
        ForgetPlayerSettings();
        app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] = nullptr;
        PlayTest::TearDown();
        CloseProfile(&profile);
    }

    static void Tap(int key)
    {
        Frame({key});
        Frame();
    }

    static int RowY(int row) { return OPTIONS_ROW_FIRST_Y + row * OPTIONS_ROW_PITCH; }

    static std::string Upper(std::string text)
    {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    static bool ShowsCentred(const std::string& text, int y, ColourTest test)
    {
        return ShowsText(text.c_str(), OPTIONS_VALUE_CENTRE_X - TEXT_CHAR_WIDTH * static_cast<int>(text.size()) / 2,
                         y, test);
    }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    ScratchFolder scratch;
    Profile profile;
};

// Whether the volume's cell at index is lit, in the chosen first row.
bool CellLit(int cell)
{
    const SettingDef& volume = SettingTable()[static_cast<std::size_t>(FindSettingIndex("volume"))];
    const int cells = volume.high - volume.low;
    const int width = cells * (OPTIONS_CELL_WIDTH + OPTIONS_CELL_GAP) - OPTIONS_CELL_GAP;
    const int x = OPTIONS_VALUE_CENTRE_X - width / 2 - 2 * TEXT_CHAR_WIDTH +
                  cell * (OPTIONS_CELL_WIDTH + OPTIONS_CELL_GAP) + OPTIONS_CELL_WIDTH / 2;
    return IsGold(HeadlessFrameColour(HeadlessLastFrame(), x, OPTIONS_ROW_FIRST_Y + TEXT_CHAR_HEIGHT / 2), 0);
}

bool MissileCuePlaying()
{
    for (int id : player_missile_sounds) {
        if (GetSoundStatus(id) > 0) return true;
    }
    return false;
}

}  // namespace

TEST_F(OptionsScreenTest, OOnTheMainMenuShowsARowForEverySettingInTheTablesOrder)
{
    Frame({DIK_O});
    ASSERT_EQ(game_state, STATE_OPTIONS);
    Frame();
    const auto table = OptionsScreenSettings();
    ASSERT_LE(table.size() + 1, static_cast<std::size_t>(OPTIONS_ROWS)) << "every row fits the box";
    for (std::size_t row = 0; row < table.size(); ++row) {
        const SettingDef& setting = table[row];
        const int y = RowY(static_cast<int>(row));
        EXPECT_TRUE(ShowsText(Upper(setting.label).c_str(), OPTIONS_LABEL_X, y, row == 0 ? IsGold : IsWhite))
            << setting.key;
        if (setting.kind == SETTING_CHOICE) {
            EXPECT_TRUE(ShowsCentred(SettingShown(setting, setting.default_value), y, IsWhite)) << setting.key;
        }
    }
    EXPECT_FALSE(ShowsText("CONTROLS", OPTIONS_LABEL_X, RowY(static_cast<int>(table.size())), IsWhite))
        << "no Controls row without its screen";
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

TEST_F(OptionsScreenTest, ArrowsChangeTheChosenRowAtOnceAndBackspaceKeepsIt)
{
    Tap(DIK_O);
    Tap(DIK_RIGHT);
    EXPECT_FALSE(MissileCuePlaying()) << "the volume was at its top already";
    Tap(DIK_LEFT);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 9);
    EXPECT_EQ(PlatformMasterVolume(), 71);
    EXPECT_TRUE(MissileCuePlaying()) << "the cue at the new volume";
    EXPECT_NE(Kept().find("\nvolume = 9\n"), std::string::npos);
    Tap(DIK_RETURN);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 9) << "Enter steps choices only";
    EXPECT_TRUE(CellLit(8));
    EXPECT_FALSE(CellLit(9));

    const int focus_row = FindSettingIndex("pause_on_focus_loss");
    for (int row = 0; row < focus_row; ++row) Tap(DIK_DOWN);
    EXPECT_TRUE(ShowsText(Upper(SettingTable()[focus_row].label).c_str(), OPTIONS_LABEL_X, RowY(focus_row), IsGold));
    Tap(DIK_RETURN);
    EXPECT_EQ(SettingInForce(focus_row), 0);
    EXPECT_TRUE(ShowsCentred("OFF", RowY(focus_row), IsWhite));
    EXPECT_NE(Kept().find("\npause_on_focus_loss = off\n"), std::string::npos);
    Tap(DIK_LEFT);
    EXPECT_EQ(SettingInForce(focus_row), 1);

    Tap(DIK_UP);
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(PlatformMasterVolume(), 71);
    Tap(DIK_O);
    EXPECT_TRUE(ShowsText(Upper(SettingTable()[0].label).c_str(), OPTIONS_LABEL_X, RowY(0), IsGold))
        << "the first row is chosen again";
}

TEST_F(OptionsScreenTest, TheControlsRowOpensItsScreenOnceInstalled)
{
    app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] = RunControls;
    Tap(DIK_O);
    const int controls_row = static_cast<int>(OptionsScreenSettings().size());
    EXPECT_TRUE(ShowsText("CONTROLS", OPTIONS_LABEL_X, RowY(controls_row), IsWhite));
    Tap(DIK_UP);
    EXPECT_TRUE(ShowsText("CONTROLS", OPTIONS_LABEL_X, RowY(controls_row), IsGold)) << "up from the top goes round";
    Tap(DIK_LEFT);
    EXPECT_EQ(game_state, STATE_OPTIONS);
    Frame({DIK_SPACE});
    EXPECT_EQ(game_state, STATE_CONTROLS);
    Frame();
    EXPECT_EQ(controls_frames, 1);
    OpenOptionsScreen();
    Frame({DIK_SPACE});
    EXPECT_EQ(game_state, STATE_OPTIONS) << "a key held as the screen opens acts once pressed again";
}

TEST_F(OptionsScreenTest, WithoutAProfileTheScreenSaysTheSettingsLastForTheRun)
{
    ForgetPlayerSettings();
    Profile none;
    LoadPlayerSettings(&none);
    Tap(DIK_O);
    const std::string line = "SETTINGS ARE NOT KEPT: THEY LAST UNTIL THE GAME ENDS";
    EXPECT_TRUE(ShowsText(line.c_str(), (OPTIONS_BOX_LEFT + OPTIONS_BOX_RIGHT) / 2 - 4 * static_cast<int>(line.size()),
                          OPTIONS_STATUS_Y, IsAlert));
    Tap(DIK_LEFT);
    EXPECT_EQ(SettingInForce(FindSettingIndex("volume")), 9);
}

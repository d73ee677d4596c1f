// The Options screen in the running game: reached with O, its rows from the
// table, values changed at once and kept, Controls opened, and back with
// Backspace.
#include <gtest/gtest.h>

#include <string>

#include "options/screen_layout.h"
#include "options/settings_table.h"
#include "platform/audio.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"
#include "tests/options/options_fixture.h"

namespace {

int controls_frames = 0;

class OptionsScreenTest : public OptionsTest {
protected:
    void SetUp() override
    {
        OptionsTest::SetUp();
        Install(false);
    }

    static int OptionsRowY(int row) { return OPTIONS_ROW_FIRST_Y + row * OPTIONS_ROW_PITCH; }

    static bool ShowsLabel(const std::string& label, int row, ColourTest test)
    {
        return ShowsText(Upper(label).c_str(), OPTIONS_LABEL_X, OptionsRowY(row), test);
    }

    static bool ShowsValue(const std::string& value, int row)
    {
        return ShowsCentred(value, OPTIONS_VALUE_CENTRE_X, OptionsRowY(row), IsWhite);
    }
};

int Volume()
{
    return SettingInForce(FindSettingIndex("volume"));
}

// Whether the volume's cell at index is lit, in the chosen first row.
bool CellLit(int cell)
{
    const SettingDef& volume = SettingTable()[static_cast<std::size_t>(FindSettingIndex("volume"))];
    const int width = (volume.high - volume.low) * (OPTIONS_CELL_WIDTH + OPTIONS_CELL_GAP) - OPTIONS_CELL_GAP;
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

TEST_F(OptionsScreenTest, OOnTheMainMenuShowsARowForEverySettingAndForControlsOnceInstalled)
{
    Tap(DIK_O);
    ASSERT_EQ(game_state, STATE_OPTIONS);
    const auto table = OptionsScreenSettings();
    ASSERT_LE(table.size() + 1, static_cast<std::size_t>(OPTIONS_ROWS)) << "every row fits the box";
    for (std::size_t row = 0; row < table.size(); ++row) {
        const SettingDef& setting = table[row];
        const int y = static_cast<int>(row);
        EXPECT_TRUE(ShowsLabel(setting.label, y, row == 0 ? IsGold : IsWhite)) << setting.key;
        const bool choice = setting.kind == SETTING_CHOICE;
        EXPECT_TRUE(!choice || ShowsValue(SettingShown(setting, setting.default_value), y)) << setting.key;
    }
    const int controls_row = static_cast<int>(table.size());
    EXPECT_FALSE(ShowsLabel("CONTROLS", controls_row, IsWhite)) << "no row without its screen";
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);

    app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] = [] { ++controls_frames; };
    Tap(DIK_O);
    EXPECT_TRUE(ShowsLabel("CONTROLS", controls_row, IsWhite));
    Tap(DIK_UP);
    EXPECT_TRUE(ShowsLabel("CONTROLS", controls_row, IsGold)) << "up from the top goes round";
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

TEST_F(OptionsScreenTest, ArrowsChangeTheChosenRowAtOnceAndBackspaceKeepsIt)
{
    Tap(DIK_O);
    Tap(DIK_RIGHT);
    EXPECT_FALSE(MissileCuePlaying()) << "the volume was at its top already";
    Tap(DIK_LEFT);
    EXPECT_EQ(Volume(), 9);
    EXPECT_EQ(PlatformMasterVolume(), 71);
    EXPECT_TRUE(MissileCuePlaying()) << "the cue at the new volume";
    EXPECT_TRUE(KeptHas("volume = 9"));
    Tap(DIK_RETURN);
    EXPECT_EQ(Volume(), 9) << "Enter steps choices only";
    EXPECT_TRUE(CellLit(8));
    EXPECT_FALSE(CellLit(9));

    const int focus_row = FindSettingIndex("pause_on_focus_loss");
    for (int row = 0; row < focus_row; ++row) Tap(DIK_DOWN);
    EXPECT_TRUE(ShowsLabel(SettingTable()[focus_row].label, focus_row, IsGold));
    Tap(DIK_RETURN);
    EXPECT_TRUE(ShowsValue("OFF", focus_row));
    EXPECT_TRUE(KeptHas("pause_on_focus_loss = off"));
    Tap(DIK_LEFT);
    EXPECT_EQ(SettingInForce(focus_row), 1);

    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    Tap(DIK_O);
    EXPECT_TRUE(ShowsLabel(SettingTable()[0].label, 0, IsGold)) << "the first row is chosen again";
}

TEST_F(OptionsScreenTest, WithoutAProfileTheScreenSaysTheSettingsLastForTheRun)
{
    ForgetPlayerSettings();
    Profile none;
    LoadPlayerSettings(&none);
    Tap(DIK_O);
    const std::string line = "SETTINGS ARE NOT KEPT: THEY LAST UNTIL THE GAME ENDS";
    EXPECT_TRUE(ShowsCentred(line, (OPTIONS_BOX_LEFT + OPTIONS_BOX_RIGHT) / 2, OPTIONS_STATUS_Y, IsAlert));
    Tap(DIK_LEFT);
    EXPECT_EQ(Volume(), 9);
}

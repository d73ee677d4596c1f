// The Controls screen in the running game on the headless backend, over a
// scratch profile: opened from the Options screen, a press bound to the
// chosen action and swapped, the wait ended by Escape or by time, the reset,
// a pad alone, and the bindings kept in the settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "added_screens/screen_text.h"
#include "app/extensions.h"
#include "input/bindings.h"
#include "options/controls_layout.h"
#include "options/controls_screen.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"
#include "profile/profile.h"
#include "tests/play/play_fixture.h"
#include "tests/play/shown_text.h"
#include "tests/profile/profile_fixture.h"

namespace {

constexpr int FIRE_ROW = ACTION_FIRE;
constexpr int RESET_ROW = ACTION_COUNT;

class ControlsScreenTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
    }

    void TearDown() override
    {
        UninstallControls();
        UninstallOptions();
        ForgetPlayerSettings();
        ResetBindings();
        PlayTest::TearDown();
        CloseProfile(&profile);
    }

    // Loads the settings, installs both screens and opens Controls from the
    // Options screen's last row.
    void OpenControls()
    {
        LoadPlayerSettings(&profile);
        InstallOptions();
        InstallControls();
        Tap(DIK_O);
        Tap(DIK_UP);
        Tap(DIK_RETURN);
        ASSERT_EQ(game_state, STATE_CONTROLS);
    }

    static void Tap(int key)
    {
        Frame({key});
        Frame();
    }

    static void Pad(unsigned buttons)
    {
        const PlatformGamepad pad{buttons, 0, 0};
        HeadlessSetGamepad(&pad);
        Frame();
    }

    static void TapPad(unsigned button)
    {
        Pad(button);
        Pad(0);
    }

    static void ChooseRow(int row)
    {
        for (int i = 0; i < row; ++i) Tap(DIK_DOWN);
    }

    static int RowY(int row) { return CONTROLS_ROW_FIRST_Y + row * CONTROLS_ROW_PITCH; }

    static bool ShowsIn(int centre_x, const char* text, int row, ColourTest test)
    {
        return ShowsText(text, centre_x - TEXT_CHAR_WIDTH * static_cast<int>(std::strlen(text)) / 2, RowY(row), test);
    }

    std::string Kept() const { return ReadText(scratch.path / "settings.txt"); }

    ScratchFolder scratch;
    Profile profile;
};

}  // namespace

TEST_F(ControlsScreenTest, ShowsEveryActionsKeyAndButtonAndBackspaceReturnsToOptions)
{
    OpenControls();
    const char* keys[] = {"LEFT", "RIGHT", "UP", "DOWN", "SPACE", "P", "BACKSPACE"};
    const char* buttons[] = {"D-PAD LEFT", "D-PAD RIGHT", "D-PAD UP", "D-PAD DOWN", "A", "START", "B"};
    for (int row = 0; row < ACTION_COUNT; ++row) {
        const ColourTest colour = row == 0 ? IsGold : IsWhite;
        EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, keys[row], row, colour)) << keys[row];
        EXPECT_TRUE(ShowsIn(CONTROLS_BUTTON_CENTRE_X, buttons[row], row, colour)) << buttons[row];
    }
    EXPECT_TRUE(ShowsText("RESET TO DEFAULTS", CONTROLS_LABEL_X, RowY(RESET_ROW), IsWhite));
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_OPTIONS);
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

TEST_F(ControlsScreenTest, TheNextKeyIsBoundSwappingWithTheActionThatHadItAndKept)
{
    OpenControls();
    ChooseRow(FIRE_ROW);
    Tap(DIK_RETURN);
    EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, "?", FIRE_ROW, IsGold));
    Tap(DIK_CAPITAL);  // a key without a name cannot be bound
    Tap(DIK_LCONTROL);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_LCONTROL);
    EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, "LEFT CTRL", FIRE_ROW, IsGold));
    EXPECT_NE(Kept().find("\nkey_fire = Left Ctrl\n"), std::string::npos);

    Tap(DIK_RETURN);
    Tap(DIK_UP);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_UP);
    EXPECT_EQ(bindings[ACTION_FASTER].key, DIK_LCONTROL) << "the two swap";
    EXPECT_NE(Kept().find("\nkey_faster = Left Ctrl\n"), std::string::npos);
    EXPECT_NE(Kept().find("\nkey_fire = Up\n"), std::string::npos);
    EXPECT_EQ(game_state, STATE_CONTROLS) << "the bound press does nothing else";
    EXPECT_TRUE(ShowsText("FIRE", CONTROLS_LABEL_X, RowY(FIRE_ROW), IsGold)) << "nor moves the row";

    ForgetPlayerSettings();
    ResetBindings();
    LoadPlayerSettings(&profile);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_UP) << "read back at the next start";
    EXPECT_EQ(bindings[ACTION_FASTER].key, DIK_LCONTROL);
}

TEST_F(ControlsScreenTest, EscapeOrFiveSecondsEndTheWaitWithNothingBoundAndAHeldKeyIsNoPress)
{
    OpenControls();
    ChooseRow(FIRE_ROW);
    Tap(DIK_SPACE);
    Tap(DIK_ESCAPE);
    Tap(DIK_A);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_SPACE);
    EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, "SPACE", FIRE_ROW, IsGold));

    // The Space that began the wait is held through it: only a new press binds.
    for (int frame = 0; frame < CONTROLS_WAIT_FRAMES; ++frame) Frame({DIK_SPACE});
    EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, "?", FIRE_ROW, IsGold)) << "still waiting";
    Frame({DIK_SPACE});
    EXPECT_TRUE(ShowsIn(CONTROLS_KEY_CENTRE_X, "SPACE", FIRE_ROW, IsGold));
    Tap(DIK_A);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_SPACE);
    EXPECT_EQ(Kept().find("key_fire"), std::string::npos) << "nothing changed, nothing written";
}

TEST_F(ControlsScreenTest, APadAloneRebindsAButtonAndResetRestoresEveryDefault)
{
    LoadPlayerSettings(&profile);
    InstallOptions();
    InstallControls();
    TapPad(GAMEPAD_A);
    ASSERT_EQ(game_state, STATE_OPTIONS);
    TapPad(GAMEPAD_DPAD_UP);
    TapPad(GAMEPAD_A);
    ASSERT_EQ(game_state, STATE_CONTROLS);
    for (int row = 0; row < FIRE_ROW; ++row) TapPad(GAMEPAD_DPAD_DOWN);
    Pad(GAMEPAD_START);
    Pad(GAMEPAD_START);  // held into the wait: no press
    Pad(0);
    TapPad(GAMEPAD_RIGHT_TRIGGER);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_RIGHT_TRIGGER);
    EXPECT_TRUE(ShowsIn(CONTROLS_BUTTON_CENTRE_X, "RT", FIRE_ROW, IsGold));
    TapPad(GAMEPAD_A);
    TapPad(GAMEPAD_B);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_B) << "B is bound, not taken as back, while waiting";
    EXPECT_EQ(bindings[ACTION_BACK].button, GAMEPAD_RIGHT_TRIGGER);
    EXPECT_EQ(game_state, STATE_CONTROLS);

    for (int row = FIRE_ROW; row < RESET_ROW; ++row) TapPad(GAMEPAD_DPAD_DOWN);
    TapPad(GAMEPAD_A);
    for (int action = 0; action < ACTION_COUNT; ++action) {
        EXPECT_EQ(bindings[action].key, DEFAULT_BINDINGS[action].key);
        EXPECT_EQ(bindings[action].button, DEFAULT_BINDINGS[action].button);
    }
    EXPECT_NE(Kept().find("\nbutton_fire = A\n"), std::string::npos);
    EXPECT_NE(Kept().find("\nbutton_back = B\n"), std::string::npos);
    TapPad(GAMEPAD_B);
    EXPECT_EQ(game_state, STATE_OPTIONS);
}

TEST_F(ControlsScreenTest, BindingsFromTheFileKeepOneEachAndABadNameGivesWayToTheDefault)
{
    WriteText(scratch.path / "settings.txt",
              "wavedart-settings 1\nkey_fire = up\nkey_faster = UP\nkey_pause = Escape\nbutton_fire = LB\n"
              "button_back = Z\nend\n");
    const std::string said = Said([this] { LoadPlayerSettings(&profile); });
    EXPECT_NE(said.find("key_pause = Escape is not a key's name"), std::string::npos) << said;
    EXPECT_NE(said.find("button_back = Z is not a pad button's name"), std::string::npos) << said;
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_UP) << "the later line in the table's order has it";
    EXPECT_EQ(bindings[ACTION_PAUSE].key, DIK_P);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_LEFT_SHOULDER);
    EXPECT_EQ(bindings[ACTION_BACK].button, GAMEPAD_B);
    for (int a = 0; a < ACTION_COUNT; ++a) {
        for (int b = a + 1; b < ACTION_COUNT; ++b) {
            EXPECT_NE(bindings[a].key, bindings[b].key) << a << " " << b;
            EXPECT_NE(bindings[a].button, bindings[b].button) << a << " " << b;
        }
    }
}

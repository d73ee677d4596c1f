// The Controls screen in the running game: opened from the Options screen,
// a press bound to the chosen action and swapped, the wait ended by Escape
// or by time, the reset, a pad alone, and the bindings kept.
#include <gtest/gtest.h>

#include <string>

#include "options/controls_layout.h"
#include "tests/options/options_fixture.h"

namespace {

constexpr int FIRE_ROW = ACTION_FIRE;
constexpr int RESET_ROW = ACTION_COUNT;

class ControlsScreenTest : public OptionsTest {
protected:
    // Controls opened from the Options screen's last row, with keys or a pad.
    void OpenControls(bool pad)
    {
        Install(true);
        const auto press = [pad](int key, unsigned button) { pad ? TapPad(button) : Tap(key); };
        press(DIK_O, GAMEPAD_A);
        press(DIK_UP, GAMEPAD_DPAD_UP);
        press(DIK_RETURN, GAMEPAD_A);
        ASSERT_EQ(game_state, STATE_CONTROLS);
        for (int row = 0; row < FIRE_ROW; ++row) press(DIK_DOWN, GAMEPAD_DPAD_DOWN);
    }

    static int ControlsRowY(int row) { return CONTROLS_ROW_FIRST_Y + row * CONTROLS_ROW_PITCH; }

    static bool ShowsKey(const char* name, int row = FIRE_ROW, ColourTest test = IsGold)
    {
        return ShowsCentred(name, CONTROLS_KEY_CENTRE_X, ControlsRowY(row), test);
    }
};

}  // namespace

TEST_F(ControlsScreenTest, ShowsEveryBindingAndBindsOnlyANewPressSwappingWithTheActionThatHadIt)
{
    OpenControls(false);
    const char* keys[] = {"LEFT", "RIGHT", "UP", "DOWN", "SPACE", "P", "BACKSPACE"};
    const char* buttons[] = {"D-PAD LEFT", "D-PAD RIGHT", "D-PAD UP", "D-PAD DOWN", "A", "START", "B"};
    for (int row = 0; row < ACTION_COUNT; ++row) {
        const ColourTest colour = row == FIRE_ROW ? IsGold : IsWhite;
        EXPECT_TRUE(ShowsKey(keys[row], row, colour)) << keys[row];
        EXPECT_TRUE(ShowsCentred(buttons[row], CONTROLS_BUTTON_CENTRE_X, ControlsRowY(row), colour)) << buttons[row];
    }
    EXPECT_TRUE(ShowsText("RESET TO DEFAULTS", CONTROLS_LABEL_X, ControlsRowY(RESET_ROW), IsWhite));

    // Escape or five seconds end the wait with nothing bound.
    Tap(DIK_SPACE);
    Tap(DIK_ESCAPE);
    Tap(DIK_A);
    EXPECT_TRUE(ShowsKey("SPACE"));

    // The Space that began the wait is held through it: only a new press binds.
    for (int frame = 0; frame < CONTROLS_WAIT_FRAMES; ++frame) Frame({DIK_SPACE});
    EXPECT_TRUE(ShowsKey("?")) << "still waiting";
    Frame({DIK_SPACE});
    EXPECT_TRUE(ShowsKey("SPACE"));
    Tap(DIK_A);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_SPACE);
    EXPECT_EQ(Kept().find("key_fire"), std::string::npos) << "nothing changed, nothing written";

    Tap(DIK_RETURN);
    EXPECT_TRUE(ShowsKey("?"));
    Tap(DIK_CAPITAL);  // a key without a name cannot be bound
    Tap(DIK_LCONTROL);
    EXPECT_TRUE(ShowsKey("LEFT CTRL"));
    EXPECT_TRUE(KeptHas("key_fire = Left Ctrl"));
    Tap(DIK_RETURN);
    Tap(DIK_UP);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_UP);
    EXPECT_EQ(bindings[ACTION_FASTER].key, DIK_LCONTROL) << "the two swap";
    EXPECT_TRUE(KeptHas("key_faster = Left Ctrl") && KeptHas("key_fire = Up")) << Kept();
    EXPECT_TRUE(ShowsText("FIRE", CONTROLS_LABEL_X, ControlsRowY(FIRE_ROW), IsGold)) << "the press moves no row";
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_OPTIONS);
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);

    ForgetPlayerSettings();
    ResetBindings();
    LoadPlayerSettings(&profile);
    EXPECT_EQ(bindings[ACTION_FIRE].key, DIK_UP) << "read back at the next start";
    EXPECT_EQ(bindings[ACTION_FASTER].key, DIK_LCONTROL);
}

TEST_F(ControlsScreenTest, APadAloneRebindsAButtonAndResetRestoresEveryDefault)
{
    OpenControls(true);
    Pad(GAMEPAD_START);
    Pad(GAMEPAD_START);  // held into the wait: no press
    Pad(0);
    TapPad(GAMEPAD_RIGHT_TRIGGER);
    EXPECT_TRUE(ShowsCentred("RT", CONTROLS_BUTTON_CENTRE_X, ControlsRowY(FIRE_ROW), IsGold));
    TapPad(GAMEPAD_A);
    TapPad(GAMEPAD_B);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_B) << "B is bound, not taken as back, while waiting";
    EXPECT_EQ(bindings[ACTION_BACK].button, GAMEPAD_RIGHT_TRIGGER);

    for (int row = FIRE_ROW; row < RESET_ROW; ++row) TapPad(GAMEPAD_DPAD_DOWN);
    TapPad(GAMEPAD_A);
    for (int action = 0; action < ACTION_COUNT; ++action) {
        EXPECT_EQ(bindings[action].key, DEFAULT_BINDINGS[action].key);
        EXPECT_EQ(bindings[action].button, DEFAULT_BINDINGS[action].button);
    }
    EXPECT_TRUE(KeptHas("button_fire = A") && KeptHas("button_back = B")) << Kept();
    TapPad(GAMEPAD_B);
    EXPECT_EQ(game_state, STATE_OPTIONS);
}

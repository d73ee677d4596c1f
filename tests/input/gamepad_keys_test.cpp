// The pad read as keys: the stick beyond its dead zone, each screen's own
// buttons, and in play the buttons as bound.
#include <gtest/gtest.h>

#include <set>

#include "app/extensions.h"
#include "app/game_state.h"
#include "input/bindings.h"
#include "input/gamepad.h"
#include "input/key_codes.h"
#include "tests/input/held_keys.h"

TEST(GamepadKeys, EachScreenReadsTheStickAndTheButtonsAsItsOwnKeys)
{
    ResetBindings();
    BindButton(ACTION_FIRE, GAMEPAD_RIGHT_SHOULDER);
    BindButton(ACTION_FASTER, GAMEPAD_X);
    const int d = GAMEPAD_DEAD_ZONE;
    constexpr int PLAY = STATE_PLAYING;
    constexpr int ADDED = STATE_EXTRA_FIRST;
    struct Case {
        int state;
        unsigned buttons;
        int stick_x, stick_y;
        std::set<int> keys;
    };
    const Case cases[] = {
        {PLAY, 0, d, -d, {}},
        {PLAY, 0, -d, d, {}},
        {PLAY, 0, d + 1, 0, {DIK_RIGHT}},
        {PLAY, 0, -d - 1, 0, {DIK_LEFT}},
        {PLAY, 0, 0, -d - 1, {DIK_UP}},
        {PLAY, 0, 0, d + 1, {DIK_DOWN}},
        {PLAY, 0, GAMEPAD_AXIS_MIN, GAMEPAD_AXIS_MIN, {DIK_LEFT, DIK_UP}},
        {PLAY, 0, GAMEPAD_AXIS_MAX, 3000, {DIK_RIGHT}},
        {PLAY, GAMEPAD_RIGHT_SHOULDER, 0, 0, {DIK_SPACE}},
        {PLAY, GAMEPAD_A, 0, 0, {}},
        {PLAY, GAMEPAD_X, 0, 0, {DIK_UP}},
        {PLAY, GAMEPAD_DPAD_UP, 0, 0, {}},
        {PLAY, GAMEPAD_START, 0, 0, {DIK_P}},
        {PLAY, GAMEPAD_B, 0, 0, {}},  // back only once held
        {STATE_GAME_OVER, GAMEPAD_A | GAMEPAD_DPAD_UP, 0, 0, {DIK_SPACE, DIK_UP}},
        {STATE_GAME_OVER, GAMEPAD_BACK, 0, 0, {DIK_BACK}},
        {STATE_MAIN_MENU, 0, 0, d + 1, {DIK_DOWN}},
        {STATE_MAIN_MENU, GAMEPAD_START, 0, 0, {DIK_N}},
        {STATE_MAIN_MENU, GAMEPAD_X, 0, 0, {DIK_H}},
        {STATE_MAIN_MENU, GAMEPAD_BACK, 0, 0, {DIK_ESCAPE}},
        {STATE_MAIN_MENU, GAMEPAD_A, 0, 0, {DIK_O}},
        {STATE_NEW_GAME_MENU, GAMEPAD_X, 0, 0, {DIK_E}},
        {STATE_OPTIONS, GAMEPAD_B, 0, 0, {DIK_BACK}},
        {ADDED, GAMEPAD_A, 0, 0, {DIK_RETURN}},
        {ADDED, GAMEPAD_START, 0, 0, {DIK_RETURN}},
        {ADDED + 1, GAMEPAD_BACK, 0, 0, {DIK_BACK}},
        {ADDED + 1, GAMEPAD_B, 0, 0, {DIK_BACK}},
    };
    for (const Case& c : cases) {
        unsigned char keys[256] = {};
        GamepadToKeys(PlatformGamepad{c.buttons, c.stick_x, c.stick_y}, c.state, keys);
        EXPECT_EQ(HeldKeys(keys), c.keys) << "state " << c.state << " buttons " << c.buttons << " stick "
                                          << c.stick_x << "," << c.stick_y;
    }
}

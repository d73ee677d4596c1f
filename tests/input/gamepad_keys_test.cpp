// Which arrow keys the pad's stick stands for, and which key each button is
// on each screen; the buttons are played through the whole game by the
// gamepad-only game.
#include <gtest/gtest.h>

#include "app/extensions.h"
#include "app/game_state.h"
#include "input/gamepad.h"
#include "input/key_codes.h"

TEST(GamepadKeys, StickCountsOnlyBeyondTheDeadZoneOnEachAxis)
{
    const int d = GAMEPAD_DEAD_ZONE;
    // Stick x and y, then whether left, right, up and down are held.
    const int sticks[][6] = {{0, 0, 0, 0, 0, 0},      {d, -d, 0, 0, 0, 0},      {-d, d, 0, 0, 0, 0},
                             {d + 1, 0, 0, 1, 0, 0},  {-d - 1, 0, 1, 0, 0, 0},  {0, -d - 1, 0, 0, 1, 0},
                             {0, d + 1, 0, 0, 0, 1},  {GAMEPAD_AXIS_MIN, GAMEPAD_AXIS_MIN, 1, 0, 1, 0},
                             {GAMEPAD_AXIS_MAX, 3000, 0, 1, 0, 0}};
    for (const auto& s : sticks) {
        unsigned char keys[256] = {};
        GamepadToKeys(PlatformGamepad{0, s[0], s[1]}, STATE_PLAYING, keys);
        int held = 0;
        for (unsigned char key : keys) held += key != 0;
        EXPECT_EQ(held, s[2] + s[3] + s[4] + s[5]) << s[0] << "," << s[1];
        const int arrows[] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(keys[arrows[i]], s[2 + i] ? 0x80 : 0) << s[0] << "," << s[1] << " " << i;
    }
}

TEST(GamepadKeys, EachScreenGivesTheButtonsItsOwnKeys)
{
    struct Case {
        int state;
        unsigned button;
        int key;
    };
    const Case cases[] = {
        {STATE_MAIN_MENU, GAMEPAD_START, DIK_N},         {STATE_MAIN_MENU, GAMEPAD_X, DIK_H},
        {STATE_MAIN_MENU, GAMEPAD_BACK, DIK_ESCAPE},     {STATE_MAIN_MENU, GAMEPAD_A, DIK_O},
        {STATE_NEW_GAME_MENU, GAMEPAD_X, DIK_E},         {STATE_OPTIONS, GAMEPAD_B, DIK_BACK},
        {STATE_PLAYING, GAMEPAD_A, DIK_SPACE},           {STATE_PLAYING, GAMEPAD_START, DIK_P},
        {STATE_GAME_OVER, GAMEPAD_BACK, DIK_BACK},       {STATE_EXTRA_FIRST, GAMEPAD_A, DIK_RETURN},
        {STATE_EXTRA_FIRST, GAMEPAD_START, DIK_RETURN},  {STATE_EXTRA_FIRST + 1, GAMEPAD_A, DIK_RETURN},
        {STATE_EXTRA_FIRST + 1, GAMEPAD_BACK, DIK_BACK}, {STATE_EXTRA_FIRST + 1, GAMEPAD_B, DIK_BACK},
    };
    for (const Case& c : cases) {
        unsigned char keys[256] = {};
        GamepadToKeys(PlatformGamepad{c.button, 0, 0}, c.state, keys);
        int held = 0;
        for (unsigned char key : keys) held += key != 0;
        EXPECT_EQ(held, 1) << "state " << c.state << " button " << c.button;
        EXPECT_EQ(keys[c.key], 0x80) << "state " << c.state << " button " << c.button;
    }
}

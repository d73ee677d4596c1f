// Which keys the pad's buttons and stick stand for on each screen.
#include <gtest/gtest.h>

#include <set>

#include "app/game_state.h"
#include "input/gamepad.h"
#include "input/key_codes.h"

namespace {

using Keys = std::set<int>;

// The keys held after the pad is read, over a keyboard holding only Tab.
Keys KeysOf(unsigned buttons, int x, int y, int state)
{
    unsigned char keys[256] = {};
    keys[DIK_TAB] = 0x80;
    GamepadToKeys(PlatformGamepad{buttons, x, y}, state, keys);
    Keys held;
    for (int code = 0; code < 256; ++code) {
        EXPECT_TRUE(keys[code] == 0 || keys[code] == 0x80) << code;
        if (keys[code] && code != DIK_TAB) held.insert(code);
    }
    EXPECT_EQ(keys[DIK_TAB], 0x80) << "keys already held stay";
    return held;
}

}  // namespace

TEST(GamepadKeys, ButtonsStandForTheKeysOfEachScreen)
{
    const int screens[] = {STATE_MAIN_MENU, STATE_NEW_GAME_MENU, STATE_PLAYING, STATE_GAME_OVER};
    // Per button, the keys on each of those screens.
    struct Button {
        unsigned buttons;
        Keys keys[4];
    };
    const Button buttons[] = {
        {GAMEPAD_DPAD_UP, {{DIK_UP}, {DIK_UP}, {DIK_UP}, {DIK_UP}}},
        {GAMEPAD_DPAD_LEFT, {{DIK_LEFT}, {DIK_LEFT}, {DIK_LEFT}, {DIK_LEFT}}},
        {GAMEPAD_B, {{DIK_BACK}, {DIK_BACK}, {DIK_BACK}, {DIK_BACK}}},
        {GAMEPAD_START, {{DIK_N}, {}, {DIK_P}, {DIK_P}}},
        {GAMEPAD_Y, {{DIK_I}, {DIK_D}, {}, {}}},
        {GAMEPAD_BACK, {{DIK_ESCAPE}, {}, {DIK_BACK}, {DIK_BACK}}},
        {GAMEPAD_A, {{}, {DIK_M}, {DIK_SPACE}, {DIK_SPACE}}},
        {GAMEPAD_X, {{}, {DIK_E}, {}, {}}},
        {GAMEPAD_A | GAMEPAD_DPAD_DOWN | GAMEPAD_DPAD_RIGHT, {{DIK_DOWN, DIK_RIGHT}, {DIK_M, DIK_DOWN, DIK_RIGHT},
                                                             {DIK_SPACE, DIK_DOWN, DIK_RIGHT}, {DIK_SPACE, DIK_DOWN, DIK_RIGHT}}},
    };
    for (const Button& b : buttons) {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(KeysOf(b.buttons, 0, 0, screens[i]), b.keys[i]) << b.buttons << " on " << screens[i];
    }
}

TEST(GamepadKeys, StickCountsOnlyBeyondTheDeadZoneOnEachAxis)
{
    const int d = GAMEPAD_DEAD_ZONE;
    const std::pair<std::pair<int, int>, Keys> sticks[] = {
        {{0, 0}, {}},           {{d, -d}, {}},          {{-d, d}, {}},
        {{d + 1, 0}, {DIK_RIGHT}}, {{-d - 1, 0}, {DIK_LEFT}}, {{0, -d - 1}, {DIK_UP}},
        {{0, d + 1}, {DIK_DOWN}},  {{GAMEPAD_AXIS_MIN, GAMEPAD_AXIS_MIN}, {DIK_LEFT, DIK_UP}},
        {{GAMEPAD_AXIS_MAX, 3000}, {DIK_RIGHT}},
    };
    for (const auto& [stick, keys] : sticks) {
        EXPECT_EQ(KeysOf(0, stick.first, stick.second, STATE_PLAYING), keys) << stick.first << "," << stick.second;
    }
}

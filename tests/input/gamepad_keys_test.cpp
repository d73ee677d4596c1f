// Which keys the pad's buttons and stick stand for on each screen.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "app/game_state.h"
#include "input/gamepad.h"
#include "input/key_codes.h"

namespace {

std::set<int> KeysOf(const PlatformGamepad& pad, int state)
{
    std::array<unsigned char, 256> keys{};
    GamepadToKeys(pad, state, keys.data());
    std::set<int> held;
    for (int code = 0; code < 256; ++code) {
        if (keys[code] == 0x80) held.insert(code);
        EXPECT_TRUE(keys[code] == 0 || keys[code] == 0x80) << code;
    }
    return held;
}

std::set<int> ButtonKeys(unsigned button, int state)
{
    return KeysOf(PlatformGamepad{button, 0, 0}, state);
}

std::set<int> StickKeys(int x, int y)
{
    return KeysOf(PlatformGamepad{0, x, y}, STATE_PLAYING);
}

using Keys = std::set<int>;

}  // namespace

TEST(GamepadKeys, DirectionsAndBAreTheSameOnEveryScreen)
{
    for (int state : {STATE_MAIN_MENU, STATE_NEW_GAME_MENU, STATE_INSTRUCTIONS, STATE_PLAYING,
                      STATE_GAME_OVER, STATE_GAME_FINISHED}) {
        SCOPED_TRACE(state);
        EXPECT_EQ(ButtonKeys(GAMEPAD_DPAD_UP, state), Keys{DIK_UP});
        EXPECT_EQ(ButtonKeys(GAMEPAD_DPAD_DOWN, state), Keys{DIK_DOWN});
        EXPECT_EQ(ButtonKeys(GAMEPAD_DPAD_LEFT, state), Keys{DIK_LEFT});
        EXPECT_EQ(ButtonKeys(GAMEPAD_DPAD_RIGHT, state), Keys{DIK_RIGHT});
        EXPECT_EQ(ButtonKeys(GAMEPAD_B, state), Keys{DIK_BACK});
        EXPECT_EQ(ButtonKeys(0, state), Keys{});
    }
}

TEST(GamepadKeys, MainMenuLetters)
{
    EXPECT_EQ(ButtonKeys(GAMEPAD_START, STATE_MAIN_MENU), Keys{DIK_N});
    EXPECT_EQ(ButtonKeys(GAMEPAD_Y, STATE_MAIN_MENU), Keys{DIK_I});
    EXPECT_EQ(ButtonKeys(GAMEPAD_BACK, STATE_MAIN_MENU), Keys{DIK_ESCAPE});
    EXPECT_EQ(ButtonKeys(GAMEPAD_A, STATE_MAIN_MENU), Keys{}) << "A means medium one screen on";
    EXPECT_EQ(ButtonKeys(GAMEPAD_X, STATE_MAIN_MENU), Keys{});
}

TEST(GamepadKeys, NewGameScreenLettersGoEasyToHardFromLeftToTop)
{
    EXPECT_EQ(ButtonKeys(GAMEPAD_X, STATE_NEW_GAME_MENU), Keys{DIK_E});
    EXPECT_EQ(ButtonKeys(GAMEPAD_A, STATE_NEW_GAME_MENU), Keys{DIK_M});
    EXPECT_EQ(ButtonKeys(GAMEPAD_Y, STATE_NEW_GAME_MENU), Keys{DIK_D});
    EXPECT_EQ(ButtonKeys(GAMEPAD_START, STATE_NEW_GAME_MENU), Keys{});
    EXPECT_EQ(ButtonKeys(GAMEPAD_BACK, STATE_NEW_GAME_MENU), Keys{});
}

TEST(GamepadKeys, PlayFiresWithAPausesWithStartAndLeavesWithBack)
{
    EXPECT_EQ(ButtonKeys(GAMEPAD_A, STATE_PLAYING), Keys{DIK_SPACE});
    EXPECT_EQ(ButtonKeys(GAMEPAD_START, STATE_PLAYING), Keys{DIK_P});
    EXPECT_EQ(ButtonKeys(GAMEPAD_BACK, STATE_PLAYING), Keys{DIK_BACK});
    EXPECT_EQ(ButtonKeys(GAMEPAD_X, STATE_PLAYING), Keys{});
    EXPECT_EQ(ButtonKeys(GAMEPAD_Y, STATE_PLAYING), Keys{});
    EXPECT_EQ(ButtonKeys(GAMEPAD_A | GAMEPAD_DPAD_UP | GAMEPAD_DPAD_LEFT, STATE_PLAYING),
              (Keys{DIK_SPACE, DIK_UP, DIK_LEFT}));
}

TEST(GamepadKeys, StickCountsOnlyBeyondTheDeadZoneOnEachAxis)
{
    EXPECT_EQ(StickKeys(0, 0), Keys{});
    EXPECT_EQ(StickKeys(GAMEPAD_DEAD_ZONE, -GAMEPAD_DEAD_ZONE), Keys{});
    EXPECT_EQ(StickKeys(-GAMEPAD_DEAD_ZONE, GAMEPAD_DEAD_ZONE), Keys{});
    EXPECT_EQ(StickKeys(GAMEPAD_DEAD_ZONE + 1, 0), Keys{DIK_RIGHT});
    EXPECT_EQ(StickKeys(-GAMEPAD_DEAD_ZONE - 1, 0), Keys{DIK_LEFT});
    EXPECT_EQ(StickKeys(0, -GAMEPAD_DEAD_ZONE - 1), Keys{DIK_UP}) << "negative y is up";
    EXPECT_EQ(StickKeys(0, GAMEPAD_DEAD_ZONE + 1), Keys{DIK_DOWN});
    EXPECT_EQ(StickKeys(GAMEPAD_AXIS_MIN, GAMEPAD_AXIS_MIN), (Keys{DIK_LEFT, DIK_UP}));
    EXPECT_EQ(StickKeys(GAMEPAD_AXIS_MAX, 3000), Keys{DIK_RIGHT}) << "a slight slant stays level";
}

TEST(GamepadKeys, KeyboardKeysAlreadyHeldStay)
{
    std::array<unsigned char, 256> keys{};
    keys[DIK_LEFT] = 0x80;
    keys[DIK_P] = 0x80;
    GamepadToKeys(PlatformGamepad{GAMEPAD_A, 0, 0}, STATE_PLAYING, keys.data());
    EXPECT_EQ(keys[DIK_LEFT], 0x80);
    EXPECT_EQ(keys[DIK_P], 0x80);
    EXPECT_EQ(keys[DIK_SPACE], 0x80);
    EXPECT_EQ(keys[DIK_RIGHT], 0);
}

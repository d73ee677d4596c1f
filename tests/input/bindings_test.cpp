// Keys and buttons bound to play's actions: swaps that keep one of each per
// action, the snapshot play reads, the pad read as keys on each screen, and
// the names the settings keep.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/extensions.h"
#include "app/game_state.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "input/gamepad.h"
#include "input/key_codes.h"
#include "tests/input/held_keys.h"

TEST(Bindings, BindingSwapsWithTheActionThatHadItAndWhatHasNoNameChangesNothing)
{
    struct Case {
        int action;
        bool pad;
        int key;
        unsigned button;
        int swapped;  // the action that had it, -1: none; ACTION_COUNT: refused
    };
    const Case cases[] = {
        {ACTION_FIRE, false, DIK_UP, 0, ACTION_FASTER},
        {ACTION_BACK, false, DIK_P, 0, ACTION_PAUSE},
        {ACTION_STEER_LEFT, false, DIK_A, 0, -1},
        {ACTION_FIRE, false, DIK_SPACE, 0, -1},
        {ACTION_FIRE, true, 0, GAMEPAD_START, ACTION_PAUSE},
        {ACTION_STEER_LEFT, true, 0, GAMEPAD_RIGHT_TRIGGER, -1},
        {ACTION_FIRE, false, DIK_ESCAPE, 0, ACTION_COUNT},
        {ACTION_FIRE, false, DIK_F11, 0, ACTION_COUNT},
        {ACTION_FIRE, false, 0, 0, ACTION_COUNT},
        {ACTION_FIRE, false, 0xFF, 0, ACTION_COUNT},
        {ACTION_FIRE, false, -1, 0, ACTION_COUNT},
        {ACTION_FIRE, false, 256, 0, ACTION_COUNT},
        {ACTION_FIRE, true, 0, 0, ACTION_COUNT},
        {ACTION_FIRE, true, 0, GAMEPAD_A | GAMEPAD_B, ACTION_COUNT},
        {ACTION_FIRE, true, 0, 1u << 20, ACTION_COUNT},
        {-1, false, DIK_A, 0, ACTION_COUNT},
        {ACTION_COUNT, false, DIK_A, 0, ACTION_COUNT},
        {ACTION_COUNT, true, 0, GAMEPAD_X, ACTION_COUNT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "action " << c.action << " key " << c.key << " button " << c.button);
        ResetBindings();
        const bool bound = c.swapped != ACTION_COUNT;
        EXPECT_EQ(c.pad ? BindButton(c.action, c.button) : BindKey(c.action, c.key), bound ? 1 : 0);
        for (int a = 0; a < ACTION_COUNT; ++a) {
            Binding expected = DEFAULT_BINDINGS[a];
            const int from = a == c.action ? -1 : a == c.swapped ? c.action : a;
            if (bound && from != a) {
                if (c.pad) expected.button = from < 0 ? c.button : DEFAULT_BINDINGS[from].button;
                if (!c.pad) expected.key = from < 0 ? c.key : DEFAULT_BINDINGS[from].key;
            }
            EXPECT_EQ(bindings[a].key, expected.key) << a;
            EXPECT_EQ(bindings[a].button, expected.button) << a;
        }
    }
}

TEST(Bindings, PlayReadsEachActionsKeyFromItsBoundKeyAlone)
{
    ResetBindings();
    BindKey(ACTION_FIRE, DIK_LCONTROL);
    BindKey(ACTION_STEER_LEFT, DIK_RIGHT);  // swaps left and right
    const int cases[][2] = {{DIK_LCONTROL, DIK_SPACE}, {DIK_SPACE, -1},       {DIK_RIGHT, DIK_LEFT},
                            {DIK_LEFT, DIK_RIGHT},     {DIK_UP, DIK_UP},      {DIK_N, DIK_N}};
    for (const auto& [held, read_as] : cases) {
        unsigned char keys[256] = {};
        keys[held] = 0x80;
        ApplyKeyBindings(keys);
        EXPECT_EQ(HeldKeys(keys), read_as < 0 ? std::set<int>{} : std::set<int>{read_as}) << held;
    }
}

TEST(ControlNames, EveryNameReadsBackInAnyCaseAndNothingElseReads)
{
    for (int key = 0; key < 256; ++key) {
        const char* name = KeyName(key);
        if (!name) continue;
        std::string lower(name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(KeyFromName(name), key) << name;
        EXPECT_EQ(KeyFromName(lower.c_str()), key) << lower;
    }
    for (int bit = 0; bit < 32; ++bit) {
        const char* name = ButtonName(1u << bit);
        EXPECT_EQ(name ? ButtonFromName(name) : 1u << bit, 1u << bit) << name;
    }
    for (const char* bad : {"", "Spac", "Space ", "Escape", "F11", "Ctrl", "D-pad"}) {
        EXPECT_EQ(KeyFromName(bad), 0) << bad;
        EXPECT_EQ(ButtonFromName(bad), 0u) << bad;
    }
    EXPECT_EQ(ButtonFromName("d-PAD Left"), GAMEPAD_DPAD_LEFT);
}

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

// Keys and buttons bound to play's actions: swaps that keep one of each per
// action, the snapshot play reads, and the names the settings keep.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/game_state.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "input/gamepad.h"
#include "input/key_codes.h"

namespace {

// Each action's key and button are those of exactly one action.
void ExpectOneEach()
{
    for (int a = 0; a < ACTION_COUNT; ++a) {
        for (int b = a + 1; b < ACTION_COUNT; ++b) {
            EXPECT_NE(bindings[a].key, bindings[b].key) << a << " " << b;
            EXPECT_NE(bindings[a].button, bindings[b].button) << a << " " << b;
        }
    }
}

}  // namespace

TEST(Bindings, BindingWhatAnotherActionHasSwapsTheTwo)
{
    struct Case {
        int action;
        int key;
        int swapped_action;  // -1: no other action had the key
    };
    const Case cases[] = {
        {ACTION_FIRE, DIK_UP, ACTION_FASTER},
        {ACTION_BACK, DIK_P, ACTION_PAUSE},
        {ACTION_STEER_LEFT, DIK_A, -1},
        {ACTION_FIRE, DIK_SPACE, -1},
    };
    for (const Case& c : cases) {
        ResetBindings();
        const int old_key = bindings[c.action].key;
        EXPECT_EQ(BindKey(c.action, c.key), 1);
        EXPECT_EQ(bindings[c.action].key, c.key);
        if (c.swapped_action >= 0) {
            EXPECT_EQ(bindings[c.swapped_action].key, old_key);
        }
        ExpectOneEach();
    }

    ResetBindings();
    EXPECT_EQ(BindButton(ACTION_FIRE, GAMEPAD_START), 1);
    EXPECT_EQ(bindings[ACTION_FIRE].button, GAMEPAD_START);
    EXPECT_EQ(bindings[ACTION_PAUSE].button, GAMEPAD_A);
    EXPECT_EQ(BindButton(ACTION_STEER_LEFT, GAMEPAD_RIGHT_TRIGGER), 1);
    EXPECT_EQ(bindings[ACTION_STEER_LEFT].button, GAMEPAD_RIGHT_TRIGGER);
    ExpectOneEach();
}

TEST(Bindings, KeysAndButtonsWithoutANameAreRefusedAndChangeNothing)
{
    ResetBindings();
    const int keys[] = {DIK_ESCAPE, DIK_F11, 0, 0xFF, -1, 256};
    for (int key : keys) EXPECT_EQ(BindKey(ACTION_FIRE, key), 0) << key;
    const unsigned buttons[] = {0u, GAMEPAD_A | GAMEPAD_B, 1u << 20};
    for (unsigned button : buttons) EXPECT_EQ(BindButton(ACTION_FIRE, button), 0) << button;
    EXPECT_EQ(BindKey(-1, DIK_A), 0);
    EXPECT_EQ(BindKey(ACTION_COUNT, DIK_A), 0);
    EXPECT_EQ(BindButton(ACTION_COUNT, GAMEPAD_X), 0);
    for (int a = 0; a < ACTION_COUNT; ++a) {
        EXPECT_EQ(bindings[a].key, DEFAULT_BINDINGS[a].key);
        EXPECT_EQ(bindings[a].button, DEFAULT_BINDINGS[a].button);
    }
}

TEST(Bindings, PlayReadsEachActionsKeyFromItsBoundKeyAlone)
{
    ResetBindings();
    BindKey(ACTION_FIRE, DIK_LCONTROL);
    BindKey(ACTION_STEER_LEFT, DIK_RIGHT);  // swaps left and right
    struct Case {
        int held;
        int read_as;  // the one code held afterwards; -1: none
    };
    const Case cases[] = {
        {DIK_LCONTROL, DIK_SPACE}, {DIK_SPACE, -1},  {DIK_RIGHT, DIK_LEFT}, {DIK_LEFT, DIK_RIGHT},
        {DIK_UP, DIK_UP},          {DIK_BACK, DIK_BACK}, {DIK_N, DIK_N},
    };
    for (const Case& c : cases) {
        unsigned char keys[256] = {};
        keys[c.held] = 0x80;
        ApplyKeyBindings(keys);
        for (int key = 0; key < 256; ++key) {
            EXPECT_EQ(keys[key], key == c.read_as ? 0x80 : 0) << "held " << c.held << ", key " << key;
        }
    }
}

TEST(Bindings, InPlayThePadsButtonsAreAsBoundAndTheStickStillFlies)
{
    ResetBindings();
    BindButton(ACTION_FIRE, GAMEPAD_RIGHT_SHOULDER);
    BindButton(ACTION_FASTER, GAMEPAD_X);
    struct Case {
        unsigned button;
        int stick_y;
        int key;  // 0: none
    };
    const Case cases[] = {
        {GAMEPAD_RIGHT_SHOULDER, 0, DIK_SPACE},
        {GAMEPAD_A, 0, 0},
        {GAMEPAD_X, 0, DIK_UP},
        {GAMEPAD_DPAD_UP, 0, 0},
        {0, GAMEPAD_AXIS_MIN, DIK_UP},
        {GAMEPAD_START, 0, DIK_P},
        {GAMEPAD_B, 0, 0},  // back only once held: see the gamepad play tests
    };
    for (const Case& c : cases) {
        unsigned char keys[256] = {};
        GamepadToKeys(PlatformGamepad{c.button, 0, c.stick_y}, STATE_PLAYING, keys);
        int held = 0;
        for (unsigned char key : keys) held += key != 0;
        EXPECT_EQ(held, c.key ? 1 : 0) << "button " << c.button;
        if (c.key) {
            EXPECT_EQ(keys[c.key], 0x80) << "button " << c.button;
        }
    }

    unsigned char keys[256] = {};
    GamepadToKeys(PlatformGamepad{GAMEPAD_A | GAMEPAD_DPAD_UP, 0, 0}, STATE_GAME_OVER, keys);
    EXPECT_EQ(keys[DIK_SPACE], 0x80) << "other screens keep their fixed buttons";
    EXPECT_EQ(keys[DIK_UP], 0x80);
}

TEST(ControlNames, EveryNameReadsBackInAnyCaseAndNothingElseReads)
{
    int named_keys = 0;
    for (int key = 0; key < 256; ++key) {
        const char* name = KeyName(key);
        if (!name) continue;
        named_keys += 1;
        EXPECT_EQ(KeyFromName(name), key) << name;
        std::string lower(name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(KeyFromName(lower.c_str()), key) << lower;
    }
    EXPECT_GT(named_keys, 90);
    int named_buttons = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const char* name = ButtonName(1u << bit);
        if (!name) continue;
        named_buttons += 1;
        EXPECT_EQ(ButtonFromName(name), 1u << bit) << name;
    }
    EXPECT_EQ(named_buttons, 16);
    for (const char* bad : {"", "Spac", "Space ", "Escape", "F11", "Ctrl", "D-pad"}) {
        EXPECT_EQ(KeyFromName(bad), 0) << bad;
        EXPECT_EQ(ButtonFromName(bad), 0u) << bad;
    }
    EXPECT_EQ(KeyFromName("left shift"), DIK_LSHIFT);
    EXPECT_EQ(ButtonFromName("d-PAD Left"), GAMEPAD_DPAD_LEFT);
    for (int a = 0; a < ACTION_COUNT; ++a) {
        EXPECT_NE(KeyName(DEFAULT_BINDINGS[a].key), nullptr);
        EXPECT_NE(ButtonName(DEFAULT_BINDINGS[a].button), nullptr);
    }
}

#include "input/control_names.h"

#include <cctype>

#include "input/key_codes.h"
#include "platform/gamepad.h"

namespace {

struct KeyNaming {
    int code;
    const char* name;
};

constexpr KeyNaming KEY_NAMES[] = {
    {DIK_A, "A"}, {DIK_B, "B"}, {DIK_C, "C"}, {DIK_D, "D"}, {DIK_E, "E"}, {DIK_F, "F"},
    {DIK_G, "G"}, {DIK_H, "H"}, {DIK_I, "I"}, {DIK_J, "J"}, {DIK_K, "K"}, {DIK_L, "L"},
    {DIK_M, "M"}, {DIK_N, "N"}, {DIK_O, "O"}, {DIK_P, "P"}, {DIK_Q, "Q"}, {DIK_R, "R"},
    {DIK_S, "S"}, {DIK_T, "T"}, {DIK_U, "U"}, {DIK_V, "V"}, {DIK_W, "W"}, {DIK_X, "X"},
    {DIK_Y, "Y"}, {DIK_Z, "Z"},
    {DIK_1, "1"}, {DIK_2, "2"}, {DIK_3, "3"}, {DIK_4, "4"}, {DIK_5, "5"}, {DIK_6, "6"},
    {DIK_7, "7"}, {DIK_8, "8"}, {DIK_9, "9"}, {DIK_0, "0"},
    {DIK_MINUS, "-"}, {DIK_EQUALS, "="}, {DIK_LBRACKET, "["}, {DIK_RBRACKET, "]"},
    {DIK_SEMICOLON, ";"}, {DIK_APOSTROPHE, "'"}, {DIK_GRAVE, "`"}, {DIK_BACKSLASH, "\\"},
    {DIK_COMMA, ","}, {DIK_PERIOD, "."}, {DIK_SLASH, "/"}, {DIK_OEM_102, "<"},
    {DIK_SPACE, "Space"}, {DIK_RETURN, "Enter"}, {DIK_TAB, "Tab"}, {DIK_BACK, "Backspace"},
    {DIK_LEFT, "Left"}, {DIK_RIGHT, "Right"}, {DIK_UP, "Up"}, {DIK_DOWN, "Down"},
    {DIK_LSHIFT, "Left Shift"}, {DIK_RSHIFT, "Right Shift"}, {DIK_LCONTROL, "Left Ctrl"},
    {DIK_RCONTROL, "Right Ctrl"}, {DIK_LMENU, "Left Alt"}, {DIK_RMENU, "Right Alt"},
    {DIK_INSERT, "Insert"}, {DIK_DELETE, "Delete"}, {DIK_HOME, "Home"}, {DIK_END, "End"},
    {DIK_PRIOR, "Page Up"}, {DIK_NEXT, "Page Down"},
    {DIK_F1, "F1"}, {DIK_F2, "F2"}, {DIK_F3, "F3"}, {DIK_F4, "F4"}, {DIK_F5, "F5"},
    {DIK_F6, "F6"}, {DIK_F7, "F7"}, {DIK_F8, "F8"}, {DIK_F9, "F9"}, {DIK_F10, "F10"},
    {DIK_F12, "F12"},
    {DIK_NUMPAD0, "Keypad 0"}, {DIK_NUMPAD1, "Keypad 1"}, {DIK_NUMPAD2, "Keypad 2"},
    {DIK_NUMPAD3, "Keypad 3"}, {DIK_NUMPAD4, "Keypad 4"}, {DIK_NUMPAD5, "Keypad 5"},
    {DIK_NUMPAD6, "Keypad 6"}, {DIK_NUMPAD7, "Keypad 7"}, {DIK_NUMPAD8, "Keypad 8"},
    {DIK_NUMPAD9, "Keypad 9"}, {DIK_DECIMAL, "Keypad ."}, {DIK_ADD, "Keypad +"},
    {DIK_SUBTRACT, "Keypad -"}, {DIK_MULTIPLY, "Keypad *"}, {DIK_DIVIDE, "Keypad /"},
    {DIK_NUMPADENTER, "Keypad Enter"},
};

struct ButtonNaming {
    unsigned code;
    const char* name;
};

constexpr ButtonNaming BUTTON_NAMES[] = {
    {GAMEPAD_A, "A"},
    {GAMEPAD_B, "B"},
    {GAMEPAD_X, "X"},
    {GAMEPAD_Y, "Y"},
    {GAMEPAD_BACK, "Back"},
    {GAMEPAD_START, "Start"},
    {GAMEPAD_DPAD_UP, "D-pad up"},
    {GAMEPAD_DPAD_DOWN, "D-pad down"},
    {GAMEPAD_DPAD_LEFT, "D-pad left"},
    {GAMEPAD_DPAD_RIGHT, "D-pad right"},
    {GAMEPAD_LEFT_SHOULDER, "LB"},
    {GAMEPAD_RIGHT_SHOULDER, "RB"},
    {GAMEPAD_LEFT_TRIGGER, "LT"},
    {GAMEPAD_RIGHT_TRIGGER, "RT"},
    {GAMEPAD_LEFT_STICK, "LS"},
    {GAMEPAD_RIGHT_STICK, "RS"},
};

bool SameName(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

template <typename Naming, int N>
const char* NameOf(const Naming (&table)[N], decltype(Naming::code) code)
{
    for (const Naming& naming : table) {
        if (naming.code == code) return naming.name;
    }
    return nullptr;
}

// The code of the name, or 0 for none.
template <typename Naming, int N>
decltype(Naming::code) Named(const Naming (&table)[N], const char* name)
{
    for (const Naming& naming : table) {
        if (SameName(naming.name, name)) return naming.code;
    }
    return 0;
}

}  // namespace

const char* KeyName(int key)
{
    return NameOf(KEY_NAMES, key);
}

int KeyFromName(const char* name)
{
    return Named(KEY_NAMES, name);
}

const char* ButtonName(unsigned button)
{
    return NameOf(BUTTON_NAMES, button);
}

unsigned ButtonFromName(const char* name)
{
    return Named(BUTTON_NAMES, name);
}

#include "input/bindings.h"

#include "input/control_names.h"

const int ACTION_KEYS[ACTION_COUNT] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN, DIK_SPACE, DIK_P, DIK_BACK};

Binding bindings[ACTION_COUNT] = {
    DEFAULT_BINDINGS[0], DEFAULT_BINDINGS[1], DEFAULT_BINDINGS[2], DEFAULT_BINDINGS[3],
    DEFAULT_BINDINGS[4], DEFAULT_BINDINGS[5], DEFAULT_BINDINGS[6],
};

namespace {

bool IsAction(int action)
{
    return action >= 0 && action < ACTION_COUNT;
}

// The action takes the value; the action that had it takes the old one.
template <typename T>
int Bind(T Binding::*field, int action, T value)
{
    for (Binding& other : bindings) {
        if (other.*field == value) other.*field = bindings[action].*field;
    }
    bindings[action].*field = value;
    return 1;
}

}  // namespace

void ResetBindings()
{
    for (int action = 0; action < ACTION_COUNT; ++action) bindings[action] = DEFAULT_BINDINGS[action];
}

int BindKey(int action, int key)
{
    return KeyName(key) && IsAction(action) ? Bind(&Binding::key, action, key) : 0;
}

int BindButton(int action, unsigned button)
{
    return ButtonName(button) && IsAction(action) ? Bind(&Binding::button, action, button) : 0;
}

void ApplyKeyBindings(unsigned char* keys)
{
    unsigned char bound[ACTION_COUNT];
    for (int action = 0; action < ACTION_COUNT; ++action) bound[action] = keys[bindings[action].key];
    for (int action = 0; action < ACTION_COUNT; ++action) keys[bindings[action].key] = 0;
    for (int action = 0; action < ACTION_COUNT; ++action) {
        keys[ACTION_KEYS[action]] = bound[action] ? KEY_DOWN : 0;
    }
}

void AddBoundButtons(unsigned buttons, unsigned char* keys)
{
    for (int action = 0; action < ACTION_COUNT; ++action) {
        if (action != ACTION_BACK && (buttons & bindings[action].button)) keys[ACTION_KEYS[action]] = KEY_DOWN;
    }
}

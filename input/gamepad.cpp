#include "input/gamepad.h"

#include "app/extensions.h"
#include "app/game_state.h"
#include "input/bindings.h"
#include "input/key_codes.h"
#include "platform/clock.h"

namespace {

constexpr unsigned DIRECTION_BUTTONS =
    GAMEPAD_DPAD_UP | GAMEPAD_DPAD_DOWN | GAMEPAD_DPAD_LEFT | GAMEPAD_DPAD_RIGHT;

struct ButtonKey {
    unsigned button;
    int key;
};

constexpr ButtonKey ARROWS[] = {
    {GAMEPAD_DPAD_UP, DIK_UP},
    {GAMEPAD_DPAD_DOWN, DIK_DOWN},
    {GAMEPAD_DPAD_LEFT, DIK_LEFT},
    {GAMEPAD_DPAD_RIGHT, DIK_RIGHT},
};
constexpr ButtonKey EVERY_MENU[] = {
    {GAMEPAD_B, DIK_BACK},
};
constexpr ButtonKey MAIN_MENU[] = {
    {GAMEPAD_START, DIK_N},
    {GAMEPAD_Y, DIK_I},
    {GAMEPAD_BACK, DIK_ESCAPE},
    {GAMEPAD_X, DIK_H},
    {GAMEPAD_A, DIK_O},
};
constexpr ButtonKey NEW_GAME_MENU[] = {
    {GAMEPAD_X, DIK_E},
    {GAMEPAD_A, DIK_M},
    {GAMEPAD_Y, DIK_D},
};
constexpr ButtonKey ADDED_SCREENS[] = {
    {GAMEPAD_A, DIK_RETURN},
    {GAMEPAD_START, DIK_RETURN},
    {GAMEPAD_BACK, DIK_BACK},
};
constexpr ButtonKey OTHER_SCREENS[] = {
    {GAMEPAD_A, DIK_SPACE},
    {GAMEPAD_START, DIK_P},
    {GAMEPAD_BACK, DIK_BACK},
};

template <int N>
void AddKeys(const ButtonKey (&table)[N], unsigned buttons, unsigned char* keys)
{
    for (const ButtonKey& entry : table) {
        if (buttons & entry.button) keys[entry.key] = KEY_DOWN;
    }
}

// The stick as d-pad buttons, each axis on its own.
unsigned StickButtons(int x, int y)
{
    unsigned buttons = 0;
    if (x < -GAMEPAD_DEAD_ZONE) buttons |= GAMEPAD_DPAD_LEFT;
    if (x > GAMEPAD_DEAD_ZONE) buttons |= GAMEPAD_DPAD_RIGHT;
    if (y < -GAMEPAD_DEAD_ZONE) buttons |= GAMEPAD_DPAD_UP;
    if (y > GAMEPAD_DEAD_ZONE) buttons |= GAMEPAD_DPAD_DOWN;
    return buttons;
}

// When the pad's back went down in play, while it is held there.
bool back_held = false;
uint32_t back_down_at = 0;

// The pad's back, bound to back to menu, leaves play only once held for
// PAD_BACK_HOLD_MS, so that a stray press does not end the game.
void FollowBackHold(bool held, unsigned char* keys)
{
    if (!held) {
        back_held = false;
        pad_back_held_ms = 0;
        return;
    }
    const uint32_t now = PlatformGetTicks();
    if (!back_held) back_down_at = now;
    back_held = true;
    const uint32_t ms = now - back_down_at;
    pad_back_held_ms = ms < PAD_BACK_HOLD_MS ? static_cast<int>(ms) : PAD_BACK_HOLD_MS;
    if (pad_back_held_ms >= PAD_BACK_HOLD_MS) keys[DIK_BACK] = KEY_DOWN;
}

// The screen of the last read and the buttons held then.
int last_state = STATE_MAIN_MENU;
unsigned last_buttons = 0;
// Buttons held since before the screen changed, ignored until let go.
unsigned carried_over = 0;
int pads_plugged = 0;

}  // namespace

int gamepad_unplugged = 0;
int pad_back_held_ms = 0;

void GamepadToKeys(const PlatformGamepad& pad, int state, unsigned char* keys)
{
    const unsigned stick = StickButtons(pad.stick_x, pad.stick_y);
    if (state == STATE_PLAYING) {
        AddKeys(ARROWS, stick, keys);
        AddBoundButtons(pad.buttons, keys);
        return;
    }
    const unsigned buttons = pad.buttons | stick;
    AddKeys(ARROWS, buttons, keys);
    AddKeys(EVERY_MENU, buttons, keys);
    if (state == STATE_MAIN_MENU) {
        AddKeys(MAIN_MENU, buttons, keys);
    } else if (state == STATE_NEW_GAME_MENU) {
        AddKeys(NEW_GAME_MENU, buttons, keys);
    } else if (state >= STATE_EXTRA_FIRST) {
        AddKeys(ADDED_SCREENS, buttons, keys);
    } else {
        AddKeys(OTHER_SCREENS, buttons, keys);
    }
}

unsigned ReadGamepadButtons()
{
    PlatformGamepad pad{};
    PlatformReadGamepad(&pad);
    return pad.buttons | StickButtons(pad.stick_x, pad.stick_y);
}

void ReadGamepadKeys(unsigned char* keys)
{
    PlatformGamepad pad{};
    const int plugged = PlatformReadGamepad(&pad);
    gamepad_unplugged = plugged < pads_plugged;
    pads_plugged = plugged;
    if (game_state != last_state) carried_over = last_buttons & ~DIRECTION_BUTTONS;
    carried_over &= pad.buttons;
    last_state = game_state;
    last_buttons = pad.buttons;
    pad.buttons &= ~carried_over;
    GamepadToKeys(pad, game_state, keys);
    FollowBackHold(game_state == STATE_PLAYING && (pad.buttons & bindings[ACTION_BACK].button), keys);
}

// The pads through SDL's game-controller layout, which names the buttons the
// same on every known pad. SDL itself keeps a pad's input from the game while
// the window lacks the focus, unless the SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS
// hint says otherwise.
#include <array>

#include "platform/gamepad.h"
#include "platform/sdl/sdl_gamepad.h"

namespace {

constexpr int MAX_PADS = 4;

std::array<SDL_GameController*, MAX_PADS> pads{};
bool started = false;

struct ButtonBit {
    SDL_GameControllerButton button;
    unsigned bit;
};

constexpr ButtonBit BUTTON_BITS[] = {
    {SDL_CONTROLLER_BUTTON_A, GAMEPAD_A},
    {SDL_CONTROLLER_BUTTON_B, GAMEPAD_B},
    {SDL_CONTROLLER_BUTTON_X, GAMEPAD_X},
    {SDL_CONTROLLER_BUTTON_Y, GAMEPAD_Y},
    {SDL_CONTROLLER_BUTTON_BACK, GAMEPAD_BACK},
    {SDL_CONTROLLER_BUTTON_START, GAMEPAD_START},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, GAMEPAD_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, GAMEPAD_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, GAMEPAD_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, GAMEPAD_DPAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, GAMEPAD_LEFT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, GAMEPAD_RIGHT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, GAMEPAD_LEFT_STICK},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, GAMEPAD_RIGHT_STICK},
};

struct TriggerBit {
    SDL_GameControllerAxis axis;
    unsigned bit;
};

constexpr TriggerBit TRIGGER_BITS[] = {
    {SDL_CONTROLLER_AXIS_TRIGGERLEFT, GAMEPAD_LEFT_TRIGGER},
    {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, GAMEPAD_RIGHT_TRIGGER},
};

bool IsOpen(SDL_JoystickID id)
{
    for (SDL_GameController* pad : pads) {
        if (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return true;
    }
    return false;
}

// Pads already known arrive once more as added events: each is opened once.
void TakeUp(int device_index)
{
    if (!SDL_IsGameController(device_index)) return;
    if (IsOpen(SDL_JoystickGetDeviceInstanceID(device_index))) return;
    for (SDL_GameController*& pad : pads) {
        if (!pad) {
            pad = SDL_GameControllerOpen(device_index);
            return;
        }
    }
}

void Drop(SDL_JoystickID id)
{
    for (SDL_GameController*& pad : pads) {
        if (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
}

int Furthest(int a, int b)
{
    const int da = a < 0 ? -a : a;
    const int db = b < 0 ? -b : b;
    return db > da ? b : a;
}

}  // namespace

void SdlGamepadEvent(const SDL_Event* event)
{
    if (!started) return;
    if (event->type == SDL_CONTROLLERDEVICEADDED) TakeUp(event->cdevice.which);
    if (event->type == SDL_CONTROLLERDEVICEREMOVED) Drop(event->cdevice.which);
}

int PlatformOpenGamepads()
{
    if (started) return 1;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return 0;
    started = true;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) TakeUp(i);
    return 1;
}

int PlatformReadGamepad(PlatformGamepad* snapshot)
{
    *snapshot = PlatformGamepad{0, 0, 0};
    int plugged = 0;
    for (SDL_GameController* pad : pads) {
        if (!pad) continue;
        plugged += 1;
        for (const ButtonBit& b : BUTTON_BITS) {
            if (SDL_GameControllerGetButton(pad, b.button)) snapshot->buttons |= b.bit;
        }
        for (const TriggerBit& t : TRIGGER_BITS) {
            if (SDL_GameControllerGetAxis(pad, t.axis) > GAMEPAD_TRIGGER_PULLED) snapshot->buttons |= t.bit;
        }
        snapshot->stick_x =
            Furthest(snapshot->stick_x, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        snapshot->stick_y =
            Furthest(snapshot->stick_y, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    }
    return plugged;
}

void PlatformCloseGamepads()
{
    if (!started) return;
    for (SDL_GameController*& pad : pads) {
        if (pad) SDL_GameControllerClose(pad);
        pad = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

// The game controllers, read as one snapshot over every pad plugged in.
#pragma once

// Button bits of a snapshot, named as on an Xbox-style pad.
constexpr unsigned GAMEPAD_A = 1u << 0;
constexpr unsigned GAMEPAD_B = 1u << 1;
constexpr unsigned GAMEPAD_X = 1u << 2;
constexpr unsigned GAMEPAD_Y = 1u << 3;
constexpr unsigned GAMEPAD_BACK = 1u << 4;
constexpr unsigned GAMEPAD_START = 1u << 5;
constexpr unsigned GAMEPAD_DPAD_UP = 1u << 6;
constexpr unsigned GAMEPAD_DPAD_DOWN = 1u << 7;
constexpr unsigned GAMEPAD_DPAD_LEFT = 1u << 8;
constexpr unsigned GAMEPAD_DPAD_RIGHT = 1u << 9;
constexpr unsigned GAMEPAD_LEFT_SHOULDER = 1u << 10;
constexpr unsigned GAMEPAD_RIGHT_SHOULDER = 1u << 11;
// A trigger counts as a button once pulled beyond GAMEPAD_TRIGGER_PULLED.
constexpr unsigned GAMEPAD_LEFT_TRIGGER = 1u << 12;
constexpr unsigned GAMEPAD_RIGHT_TRIGGER = 1u << 13;
constexpr unsigned GAMEPAD_LEFT_STICK = 1u << 14;
constexpr unsigned GAMEPAD_RIGHT_STICK = 1u << 15;

// A stick axis runs from −32768 to 32767; negative is left or up.
constexpr int GAMEPAD_AXIS_MIN = -32768;
constexpr int GAMEPAD_AXIS_MAX = 32767;
// A trigger runs from 0 (let go) to GAMEPAD_AXIS_MAX.
constexpr int GAMEPAD_TRIGGER_PULLED = 16384;

struct PlatformGamepad {
    // The buttons held on any pad.
    unsigned buttons;
    // The left stick; with several pads, each axis of the one pushed furthest.
    int stick_x;
    int stick_y;
};

// Starts the controller support and takes up the pads plugged in; pads
// plugged in later are taken up as they arrive. 1 when it could start.
int PlatformOpenGamepads();
// The snapshot now: nothing held and the stick centred when no pad is there.
// Returns the number of pads plugged in.
int PlatformReadGamepad(PlatformGamepad* pad);
void PlatformCloseGamepads();

// The player's craft: flight, camera, fuel, and every way a life ends except
// ramming an enemy.
#pragma once

#include "graphics/sprite.h"

// The craft's state while it flies; 0 after any crash.
constexpr int CRAFT_ALIVE = 3;
// Below this the low-fuel alarm sounds and the panel's fuel line pulses.
constexpr int FUEL_LOW = 200;

constexpr int CRAFT_WIDTH = 40;
constexpr int CRAFT_HEIGHT = 48;
// curr_frame values: banking left, level flight, banking right.
constexpr int CRAFT_FRAME_LEFT = 0;
constexpr int CRAFT_FRAME_LEVEL = 1;
constexpr int CRAFT_FRAME_RIGHT = 2;

extern Sprite craft;
// Where a life starts, measured from the camera.
extern int craft_start_x;
extern int craft_start_y;

// Loads "art/skerrit.bmp"; 1 when the sprite was built, 0 without it.
int LoadCraft();
// A fresh life: level flight at the start place, hovering.
void ResetCraft();
// One frame of flight; runs in the play frame and the dying frame alike.
void UpdateCraft();
// Draws the craft while it is alive.
void DrawCraft();
void DestroyCraft();

// 1 when the other object's world rectangle, given first to the overlap
// test, overlaps the craft's. The craft's state is not looked at.
int OverlapsCraft(const Sprite& other);

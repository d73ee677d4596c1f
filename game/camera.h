// The camera: the world position of the screen's top-left corner.
#pragma once

constexpr int CAMERA_START_Y = 3391;

extern int camera_x;
extern int camera_y;

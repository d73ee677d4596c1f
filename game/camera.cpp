#include "game/camera.h"

int camera_x = 0;
int camera_y = CAMERA_START_Y;

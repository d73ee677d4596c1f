// Turning an actor's world centre into its screen corner and its world rectangle.
#pragma once

#include "game/camera.h"
#include "graphics/sprite.h"

// Screen corner = world centre - half the frame size - camera, halves by shift.
inline void SetScreenFromWorld(Sprite* sprite)
{
    sprite->x = static_cast<float>(sprite->vars[VAR_WORLD_X] - (sprite->width >> 1) - camera_x);
    sprite->y = static_cast<float>(sprite->vars[VAR_WORLD_Y] - (sprite->height >> 1) - camera_y);
}

// The world rectangle every overlap test uses: top-left corner and frame size.
inline int WorldLeft(const Sprite& sprite) { return sprite.vars[VAR_WORLD_X] - (sprite.width >> 1); }
inline int WorldTop(const Sprite& sprite) { return sprite.vars[VAR_WORLD_Y] - (sprite.height >> 1); }

// A world coordinate moved by a velocity: the sum in floating point, truncated.
inline int MoveWorld(int position, float velocity)
{
    return static_cast<int>(static_cast<float>(position) + velocity);
}

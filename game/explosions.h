// The explosion pool: every destruction shows the same animation, which
// plays once at a fixed place and frees its slot by itself.
#pragma once

#include "graphics/sprite.h"

constexpr int EXPLOSION_POOL_SIZE = 8;
constexpr int EXPLOSION_SIZE = 48;
constexpr int EXPLOSION_FRAMES = 14;

extern Sprite explosions[EXPLOSION_POOL_SIZE];

int LoadExplosions();
// Anchored at world (x, y), drawn at draw_width x draw_height, moving by
// (xv, yv) world pixels a frame. Returns 0 when the pool is full.
int StartExplosion(int x, int y, int draw_width, int draw_height, int xv, int yv);
void UpdateExplosions();
void DrawExplosions();
void ClearExplosions();
int DestroyExplosions();

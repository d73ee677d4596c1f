// One pool for every missile in flight, the player's and the enemies'.
// Targets test the pool themselves and retire the missile that hit them.
#pragma once

#include "graphics/sprite.h"

constexpr int MISSILE_POOL_SIZE = 64;
constexpr int MISSILE_LIFETIME = 30;
constexpr int MISSILE_SIZE = 8;

// The owner is kept in the anim_done word (missiles never play once) and is
// also the index of the frame sequence the missile shows.
constexpr int OWNER_PLAYER = 0;
constexpr int OWNER_ENEMY = 1;

extern Sprite missiles[MISSILE_POOL_SIZE];

int LoadMissiles();
// x, y: world point; the missile's centre lands 4 pixels left of and above it.
// Returns 1 when a slot was free, 0 when the shot is lost.
int FireMissile(int x, int y, int xv, int yv, int owner);
void UpdateMissiles();
void DrawMissiles();
void ClearMissiles();
int DestroyMissiles();

// The lowest-numbered flying missile of the owner whose rectangle overlaps
// the given world rectangle (missile first in the overlap test), or -1.
int FindMissileHit(int owner, int left, int top, int width, int height);
void RetireMissile(Sprite* missile);

// The bridge across the top of the river: it must be down before a level
// can end. Shot down for points, or rammed at the cost of the craft.
#pragma once

#include "graphics/sprite.h"

constexpr int BRIDGE_WIDTH = 128;
constexpr int BRIDGE_HEIGHT = 64;
constexpr int BRIDGE_SCORE = 2000;
// The bridge's explosion is drawn stretched to this size.
constexpr int BRIDGE_EXPLOSION_SIZE = 64;

extern Sprite bridge;
extern int bridge_x;
extern int bridge_y;

int LoadBridge();
void ClearBridge();
void PlaceBridge();
void HitBridge();
void DrawBridge();
int DestroyBridge();

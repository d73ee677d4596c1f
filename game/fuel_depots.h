// Fuel depots: placed per level at every life start; flying over one refills
// the tank, a player's missile destroys it for points.
#pragma once

#include "graphics/sprite.h"

constexpr int FUEL_DEPOT_POOL_SIZE = 10;
constexpr int FUEL_DEPOT_WIDTH = 48;
constexpr int FUEL_DEPOT_HEIGHT = 96;
constexpr int FUEL_DEPOT_SCORE = 200;

extern Sprite fuel_depots[FUEL_DEPOT_POOL_SIZE];

int LoadFuelDepots();
void ClearFuelDepots();
void PlaceFuelDepots();
void HitFuelDepots();
void DrawFuelDepots();
int DestroyFuelDepots();

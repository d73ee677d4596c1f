#include "app/play_scene.h"

#include "app/hud.h"
#include "game/bridge.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "graphics/display.h"

void RunPlayScene(int with_missiles)
{
    SetPalette(world_palette);
    // The terrain goes in first: every update tests the banks against it,
    // and only then are the actors drawn over it.
    DrawTerrain();
    // The enemy kinds in their fixed order: boat, cruiser, destroyer,
    // helicopter, plane, jet.
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) UpdateEnemies(kind);
    UpdateExplosions();
    if (with_missiles) UpdateMissiles();
    HitFuelDepots();
    HitBridge();
    UpdateCraft();
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) DrawEnemies(kind);
    DrawExplosions();
    if (with_missiles) DrawMissiles();
    DrawFuelDepots();
    DrawBridge();
    DrawCraft();
    DrawHud();
}

// The fuel depot pool: placed from the level table, shot for points.
#include "game/fuel_depots.h"

#include "app/game_state.h"
#include "game/explosions.h"
#include "game/level_objects.h"
#include "game/missiles.h"
#include "game/sheet_sprite.h"
#include "game/world_position.h"
#include "graphics/display.h"
#include "sound/game_sounds.h"

Sprite fuel_depots[FUEL_DEPOT_POOL_SIZE];

int LoadFuelDepots()
{
    const int cut = LoadSheetSprite(&fuel_depots[0], "art/fuel.bmp", FUEL_DEPOT_WIDTH,
                                    FUEL_DEPOT_HEIGHT, 1, 1, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE,
                                    nullptr);
    FillPoolFromFirst(fuel_depots, FUEL_DEPOT_POOL_SIZE);
    return cut;
}

void ClearFuelDepots()
{
    for (Sprite& depot : fuel_depots) depot.state = 0;
}

void PlaceFuelDepots()
{
    const int rows = LevelObjectCount(level);
    int slot = 0;
    for (int r = 0; r < rows && slot < FUEL_DEPOT_POOL_SIZE; ++r) {
        const LevelObject& row = level_objects[level][r];
        if (row.kind != OBJECT_FUEL_DEPOT) continue;
        Sprite& depot = fuel_depots[slot++];
        depot.state = 1;
        depot.vars[VAR_WORLD_X] = row.x;
        depot.vars[VAR_WORLD_Y] = row.y;
        SetScreenFromWorld(&depot);
        depot.xv = 0.0f;
        depot.yv = 0.0f;
    }
}

void HitFuelDepots()
{
    for (Sprite& depot : fuel_depots) {
        if (depot.state != 1) continue;
        const int hit = FindMissileHit(OWNER_PLAYER, WorldLeft(depot), WorldTop(depot), depot.width,
                                       depot.height);
        if (hit < 0) continue;
        depot.state = 0;
        RetireMissile(&missiles[hit]);
        StartExplosion(depot.vars[VAR_WORLD_X], depot.vars[VAR_WORLD_Y], EXPLOSION_SIZE,
                       EXPLOSION_SIZE, 0, 0);
        PlayExplosionSound();
        score += FUEL_DEPOT_SCORE;
    }
}

void DrawFuelDepots()
{
    for (Sprite& depot : fuel_depots) {
        if (depot.state != 1) continue;
        SetScreenFromWorld(&depot);
        DrawSprite(&depot, back_surface);
    }
}

int DestroyFuelDepots()
{
    int destroyed = 1;
    for (Sprite& depot : fuel_depots) destroyed &= DestroySprite(&depot);
    return destroyed;
}

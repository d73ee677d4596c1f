// The enemy pools: loading each kind's sheet, clearing, drawing, release.
#include "game/enemies.h"

#include "game/sheet_sprite.h"
#include "game/world_position.h"
#include "graphics/display.h"

Sprite enemy_pools[ENEMY_KIND_COUNT][ENEMY_POOL_SIZE];

namespace {

constexpr int ENEMY_FRAMES = 2;

bool IsKind(int kind) { return kind >= 0 && kind < ENEMY_KIND_COUNT; }

}  // namespace

void LoadEnemies(int kind)
{
    if (!IsKind(kind)) return;
    const EnemyKind& table = ENEMY_KINDS[kind];
    Sprite* pool = enemy_pools[kind];
    // Facing left in the first cell, facing right in the one beside it.
    LoadSheetSprite(&pool[0], table.sheet, table.width, table.height, ENEMY_FRAMES, ENEMY_FRAMES,
                    SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, nullptr);
    FillPoolFromFirst(pool, ENEMY_POOL_SIZE);
}

void ClearEnemies(int kind)
{
    if (!IsKind(kind)) return;
    for (Sprite& enemy : enemy_pools[kind]) enemy.state = 0;
}

void DrawEnemies(int kind)
{
    if (!IsKind(kind)) return;
    for (Sprite& enemy : enemy_pools[kind]) {
        if (enemy.state != 1) continue;
        SetScreenFromWorld(&enemy);
        enemy.curr_frame = enemy.vars[VAR_FACING];
        DrawSprite(&enemy, back_surface);
    }
}

void DestroyEnemies(int kind)
{
    if (!IsKind(kind)) return;
    for (Sprite& enemy : enemy_pools[kind]) DestroySprite(&enemy);
}

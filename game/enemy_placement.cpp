// Putting a level's enemies in place at the start of a life.
#include "app/game_state.h"
#include "game/enemies.h"
#include "game/level_objects.h"
#include "game/world_position.h"
#include "platform/random.h"

void PlaceEnemies(int kind)
{
    if (kind < 0 || kind >= ENEMY_KIND_COUNT) return;
    // A level outside the tables has no rows, so nothing is read there.
    const int rows = LevelObjectCount(level);
    const EnemyKind& table = ENEMY_KINDS[kind];
    int next = 0;
    for (int row = 0; row < rows && next < ENEMY_POOL_SIZE; ++row) {
        const LevelObject& object = level_objects[level][row];
        if (object.kind != kind) continue;
        Sprite& enemy = enemy_pools[kind][next++];
        enemy.state = 1;
        enemy.aux[AUX_FIRE_TIMER] = 0;
        enemy.vars[VAR_WORLD_X] = object.x;
        enemy.vars[VAR_WORLD_Y] = object.y;
        SetScreenFromWorld(&enemy);
        enemy.vars[VAR_FIRES] = object.fires;
        // Two draws per enemy, the direction first and then the speed.
        const int facing = wavedart::rand() % 2;
        const int choice = wavedart::rand() % table.speed_choices;
        enemy.vars[VAR_FACING] = facing;
        enemy.xv = static_cast<float>((facing == 0 ? table.left_base : table.right_base) + choice);
        enemy.yv = 0.0f;
    }
}

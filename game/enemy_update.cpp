// One frame of an enemy kind: crossing the river, ramming the craft, being
// shot down, turning at the banks and firing.
#include "app/game_state.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "game/world_position.h"
#include "sound/game_sounds.h"

namespace {

// Frames of its own motion that an enemy is stepped back at a bank.
constexpr int BANK_STEP_BACK = 5;
// An enemy's missile flies this much faster than the enemy, ahead of it.
constexpr int ENEMY_MISSILE_LEAD = 5;

void Move(Sprite& enemy)
{
    enemy.vars[VAR_WORLD_X] = MoveWorld(enemy.vars[VAR_WORLD_X], enemy.xv);
    enemy.x += enemy.xv;
}

// Both the enemy and the craft are destroyed; scores nothing.
void Ram(Sprite& enemy)
{
    enemy.state = 0;
    craft.state = 0;
    StartExplosion(craft.vars[VAR_WORLD_X], craft.vars[VAR_WORLD_Y], EXPLOSION_SIZE,
                   EXPLOSION_SIZE, 0, 0);
    StartExplosion(enemy.vars[VAR_WORLD_X], enemy.vars[VAR_WORLD_Y], EXPLOSION_SIZE,
                   EXPLOSION_SIZE, 0, 0);
    PlayExplosionSound();
    PlayExplosionSound();
    game_state = STATE_DYING;
}

void TestPlayerMissiles(Sprite& enemy, int points)
{
    const int hit = FindMissileHit(OWNER_PLAYER, WorldLeft(enemy), WorldTop(enemy), enemy.width,
                                   enemy.height);
    if (hit < 0) return;
    enemy.state = 0;
    RetireMissile(&missiles[hit]);
    StartExplosion(enemy.vars[VAR_WORLD_X], enemy.vars[VAR_WORLD_Y], EXPLOSION_SIZE,
                   EXPLOSION_SIZE, 0, 0);
    PlayExplosionSound();
    score += points;
}

// Stepped back by five frames of its motion, it turns round.
void TurnAtBank(Sprite& enemy)
{
    if (!TouchesBank(enemy)) return;
    enemy.vars[VAR_WORLD_X] =
        MoveWorld(enemy.vars[VAR_WORLD_X], -static_cast<float>(BANK_STEP_BACK) * enemy.xv);
    enemy.xv = -enemy.xv;
    enemy.vars[VAR_FACING] = 1 - enemy.vars[VAR_FACING];
}

void Fire(Sprite& enemy)
{
    if (enemy.vars[VAR_FIRES] != 1) return;
    enemy.aux[AUX_FIRE_TIMER] += 1;
    if (enemy.aux[AUX_FIRE_TIMER] <= ENEMY_FIRE_INTERVAL) return;
    const float lead = enemy.vars[VAR_FACING] == 1 ? static_cast<float>(ENEMY_MISSILE_LEAD)
                                                   : -static_cast<float>(ENEMY_MISSILE_LEAD);
    FireMissile(enemy.vars[VAR_WORLD_X], enemy.vars[VAR_WORLD_Y], static_cast<int>(enemy.xv + lead),
                0, OWNER_ENEMY);
    PlayEnemyMissileSound(static_cast<int>(enemy.x), static_cast<int>(enemy.y), enemy.width,
                          enemy.height);
    enemy.aux[AUX_FIRE_TIMER] = 0;
}

}  // namespace

void UpdateEnemies(int kind)
{
    if (kind < 0 || kind >= ENEMY_KIND_COUNT) return;
    for (Sprite& enemy : enemy_pools[kind]) {
        if (enemy.state != 1) continue;
        Move(enemy);
        if (OverlapsCraft(enemy)) {
            // The rest of this kind waits for the next frame.
            Ram(enemy);
            return;
        }
        TestPlayerMissiles(enemy, ENEMY_KINDS[kind].points);
        TurnAtBank(enemy);
        Fire(enemy);
    }
}

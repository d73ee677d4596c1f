#include "play_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "app/shell.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/missiles.h"
#include "platform/headless/headless.h"

void PlayTest::SetUp()
{
    const char* data = std::getenv("WAVEDART_DATA_DIR");
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(chdir(data), 0) << data;
    HeadlessSetTicks(SEED_TICKS);
    AppStartUp();
}

void PlayTest::TearDown()
{
    AppShutDown();
}

void PlayTest::Frame(std::initializer_list<int> keys)
{
    const std::vector<int> held(keys);
    HeadlessHoldKeys(held.data(), static_cast<int>(held.size()));
    AppFrame();
}

void PlayTest::StartGame(int difficulty_key, int start_level)
{
    ASSERT_EQ(game_state, STATE_MAIN_MENU);
    Frame({DIK_N});
    Frame({difficulty_key});
    ASSERT_EQ(game_state, STATE_NEW_GAME);
    Frame();
    ASSERT_EQ(game_state, STATE_START_LIFE);
    level = start_level;
    Frame();
    ASSERT_EQ(game_state, STATE_PLAYING);
}

void PlayTest::ClearAllEnemies()
{
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) ClearEnemies(kind);
}

bool PlayTest::ClimbTo(int target_y, std::initializer_list<int> keys)
{
    for (int frame = 0; frame < 2000 && CraftWorldY() > target_y; ++frame) {
        fuel = FUEL_FULL;
        Frame(keys);
        if (game_state != STATE_PLAYING) return false;
    }
    return CraftWorldY() <= target_y;
}

int PlayTest::ShootEnemyAhead(Sprite* enemy)
{
    const int lead = enemy->xv > 0.0f ? -15 : 15;
    enemy->state = 1;
    enemy->vars[VAR_WORLD_X] = CraftWorldX() + lead;
    enemy->vars[VAR_WORLD_Y] = CraftWorldY() - 120;
    int frames = 0;
    while (enemy->state == 1 && game_state == STATE_PLAYING && frames < 30) {
        fuel = FUEL_FULL;
        Frame({DIK_UP, DIK_SPACE});
        ++frames;
    }
    return frames;
}

int PlayTest::CraftWorldX()
{
    return craft.vars[VAR_WORLD_X];
}

int PlayTest::CraftWorldY()
{
    return craft.vars[VAR_WORLD_Y];
}

int PlayTest::ActiveExplosions()
{
    int count = 0;
    for (const Sprite& explosion : explosions) count += explosion.state == 1 ? 1 : 0;
    return count;
}

int PlayTest::FlyingMissiles(int owner)
{
    int count = 0;
    for (const Sprite& missile : missiles) {
        count += missile.state == 1 && missile.anim_done == owner ? 1 : 0;
    }
    return count;
}

#include "replays/game_snapshot.h"

#include <algorithm>
#include <iterator>

#include "app/game_state.h"
#include "app/hud.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "platform/random.h"

struct GameSnapshot {
    int game_state;
    int score;
    int lives;
    int level;
    int fuel;
    int difficulty;
    int scroll_speed;
    int player_dx;
    int fire_cooldown;
    int engine_sound_on;
    int death_frames;
    int fuel_blink;
    int camera_x;
    int camera_y;
    int bridge_x;
    int bridge_y;
    int craft_start_x;
    int craft_start_y;
    Sprite craft;
    Sprite bridge;
    Sprite enemy_pools[ENEMY_KIND_COUNT][ENEMY_POOL_SIZE];
    Sprite explosions[EXPLOSION_POOL_SIZE];
    Sprite missiles[MISSILE_POOL_SIZE];
    Sprite fuel_depots[FUEL_DEPOT_POOL_SIZE];
    wavedart::RandomState random;
};

namespace {

template <typename T, std::size_t N>
void CopyPool(const T (&from)[N], T (&to)[N])
{
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

}  // namespace

void GameSnapshotDeleter::operator()(GameSnapshot* snapshot) const
{
    delete snapshot;
}

SavedGame SaveGame()
{
    SavedGame saved(new GameSnapshot{});
    GameSnapshot& s = *saved;
    s.game_state = game_state;
    s.score = score;
    s.lives = lives;
    s.level = level;
    s.fuel = fuel;
    s.difficulty = difficulty;
    s.scroll_speed = scroll_speed;
    s.player_dx = player_dx;
    s.fire_cooldown = fire_cooldown;
    s.engine_sound_on = engine_sound_on;
    s.death_frames = death_frames;
    s.fuel_blink = fuel_blink;
    s.camera_x = camera_x;
    s.camera_y = camera_y;
    s.bridge_x = bridge_x;
    s.bridge_y = bridge_y;
    s.craft_start_x = craft_start_x;
    s.craft_start_y = craft_start_y;
    s.craft = craft;
    s.bridge = bridge;
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) CopyPool(enemy_pools[kind], s.enemy_pools[kind]);
    CopyPool(explosions, s.explosions);
    CopyPool(missiles, s.missiles);
    CopyPool(fuel_depots, s.fuel_depots);
    s.random = wavedart::SaveRandom();
    return saved;
}

void RestoreGame(const GameSnapshot& s)
{
    game_state = s.game_state;
    score = s.score;
    lives = s.lives;
    level = s.level;
    fuel = s.fuel;
    difficulty = s.difficulty;
    scroll_speed = s.scroll_speed;
    player_dx = s.player_dx;
    fire_cooldown = s.fire_cooldown;
    engine_sound_on = s.engine_sound_on;
    death_frames = s.death_frames;
    fuel_blink = s.fuel_blink;
    camera_x = s.camera_x;
    camera_y = s.camera_y;
    bridge_x = s.bridge_x;
    bridge_y = s.bridge_y;
    craft_start_x = s.craft_start_x;
    craft_start_y = s.craft_start_y;
    craft = s.craft;
    bridge = s.bridge;
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) CopyPool(s.enemy_pools[kind], enemy_pools[kind]);
    CopyPool(s.explosions, explosions);
    CopyPool(s.missiles, missiles);
    CopyPool(s.fuel_depots, fuel_depots);
    wavedart::RestoreRandom(s.random);
}

// The cost of one busy play frame on level 10: the terrain, every actor's
// update and drawing and the heads-up display, without presenting, as a
// share of the 30 ms frame.
//
// Usage: bench_play_frame [data folder, default ../data beside the binary] [frames, default 3000]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/hud.h"
#include "app/play_scene.h"
#include "app/shell.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "graphics/display.h"
#include "platform/headless/headless.h"

namespace {

constexpr double FRAME_MS = 30.0;
constexpr int BUSY_CAMERA_Y = 1800;
constexpr int BUSY_MISSILES = 48;

// Everything a frame changes, so that every measured frame starts alike.
struct Scene {
    Sprite enemies[ENEMY_KIND_COUNT][ENEMY_POOL_SIZE];
    Sprite missiles[MISSILE_POOL_SIZE];
    Sprite explosions[EXPLOSION_POOL_SIZE];
    Sprite depots[FUEL_DEPOT_POOL_SIZE];
    Sprite bridge;
    Sprite craft;
    int camera_y;
    int fuel;
    int score;
    int game_state;
    int level;
    int fuel_blink;
};

Scene saved;

void Save()
{
    std::copy(&enemy_pools[0][0], &enemy_pools[0][0] + ENEMY_KIND_COUNT * ENEMY_POOL_SIZE,
              &saved.enemies[0][0]);
    std::copy(std::begin(missiles), std::end(missiles), saved.missiles);
    std::copy(std::begin(explosions), std::end(explosions), saved.explosions);
    std::copy(std::begin(fuel_depots), std::end(fuel_depots), saved.depots);
    saved.bridge = bridge;
    saved.craft = craft;
    saved.camera_y = camera_y;
    saved.fuel = fuel;
    saved.score = score;
    saved.game_state = game_state;
    saved.level = level;
    saved.fuel_blink = fuel_blink;
}

void Restore()
{
    std::copy(&saved.enemies[0][0], &saved.enemies[0][0] + ENEMY_KIND_COUNT * ENEMY_POOL_SIZE,
              &enemy_pools[0][0]);
    std::copy(std::begin(saved.missiles), std::end(saved.missiles), missiles);
    std::copy(std::begin(saved.explosions), std::end(saved.explosions), explosions);
    std::copy(std::begin(saved.depots), std::end(saved.depots), fuel_depots);
    bridge = saved.bridge;
    craft = saved.craft;
    camera_y = saved.camera_y;
    fuel = saved.fuel;
    score = saved.score;
    game_state = saved.game_state;
    level = saved.level;
    fuel_blink = saved.fuel_blink;
}

// Level 10 in mid-river with every enemy on the screen above the craft,
// missiles of both owners in flight and the explosion pool full.
void BuildBusyScene()
{
    game_state = STATE_NEW_GAME;
    AppFrame();
    level = MAX_LEVELS - 1;
    AppFrame();
    camera_y = BUSY_CAMERA_Y;
    craft.vars[VAR_WORLD_Y] = camera_y + 262 + CRAFT_HEIGHT / 2;
    scroll_speed = -5;
    int placed = 0;
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) {
        for (Sprite& enemy : enemy_pools[kind]) {
            if (enemy.state != 1) continue;
            enemy.vars[VAR_WORLD_Y] = camera_y + 16 + (placed * 23) % 200;
            enemy.aux[AUX_FIRE_TIMER] = ENEMY_FIRE_INTERVAL;
            ++placed;
        }
    }
    for (int i = 0; i < BUSY_MISSILES; ++i) {
        FireMissile(160 + (i * 37) % 320, camera_y + 20 + (i * 53) % 400, i % 3 - 1, -(i % 7),
                    i % 2);
    }
    for (int i = 0; i < EXPLOSION_POOL_SIZE; ++i) {
        StartExplosion(200 + 30 * i, camera_y + 100 + 20 * i, EXPLOSION_SIZE, EXPLOSION_SIZE, 0, 0);
    }
    std::printf("busy scene: %d enemies, %d missiles, %d explosions, camera at %d\n", placed,
                BUSY_MISSILES, EXPLOSION_POOL_SIZE, camera_y);
}

// The thread's own processor time, which other programs on a busy machine
// do not inflate.
double ThreadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::string DefaultDataPath(const char* self)
{
    const std::string path = self;
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    return dir + "/../data";
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string data = argc > 1 ? argv[1] : DefaultDataPath(argv[0]);
    const int frames = argc > 2 ? std::atoi(argv[2]) : 3000;
    if (chdir(data.c_str()) != 0) {
        std::perror(data.c_str());
        return 1;
    }
    HeadlessSetTicks(1);
    AppStartUp();
    BuildBusyScene();
    Save();

    std::vector<double> costs;
    costs.reserve(static_cast<std::size_t>(frames));
    double processor_ms = 0.0;
    for (int i = 0; i < frames; ++i) {
        Restore();
        const double processor_start = ThreadMs();
        const auto start = std::chrono::steady_clock::now();
        FillSurface(back_surface, 0, nullptr);
        RunPlayScene(1);
        const auto end = std::chrono::steady_clock::now();
        processor_ms += ThreadMs() - processor_start;
        costs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    if (game_state != STATE_PLAYING) std::printf("note: the measured frame ends the life\n");
    AppShutDown();

    std::sort(costs.begin(), costs.end());
    double total = 0.0;
    for (const double cost : costs) total += cost;
    const double mean = total / static_cast<double>(costs.size());
    const double median = costs[costs.size() / 2];
    const double p99 = costs[costs.size() * 99 / 100];
    std::printf("play frame without presenting, %d runs: mean %.3f ms, median %.3f ms, "
                "99th percentile %.3f ms, worst %.3f ms\n",
                frames, mean, median, p99, costs.back());
    const double processor = processor_ms / static_cast<double>(frames);
    std::printf("processor time per frame: %.3f ms\n", processor);
    std::printf("share of the %.0f ms frame: median %.2f%%, processor time %.2f%%, "
                "99th percentile %.2f%%\n",
                FRAME_MS, 100.0 * median / FRAME_MS, 100.0 * processor / FRAME_MS,
                100.0 * p99 / FRAME_MS);
    return 0;
}

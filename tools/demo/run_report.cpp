#include "tools/demo/run_report.h"

#include "app/game_state.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"

namespace {

int last_state = STATE_MAIN_MENU;
int deaths = 0;

template <int N>
int CountActive(const Sprite (&pool)[N])
{
    int count = 0;
    for (const Sprite& sprite : pool) count += sprite.state == 1;
    return count;
}

void PrintSummary(std::FILE* out, const char* event, int shown_level, unsigned frame)
{
    std::fprintf(out, "%s level %d score %d ships %d fuel %d frames %u deaths %d\n", event, shown_level, score,
                 lives, fuel, frame, deaths);
}

}  // namespace

int ReportedDeaths()
{
    return deaths;
}

void ReportFrame(std::FILE* out, unsigned frame, bool trace)
{
    if (game_state != last_state) {
        if (game_state == STATE_DYING) deaths += 1;
        // The craft counts a level done as it reports it: level is then the
        // 0-based number of the next one, which is the 1-based number of this.
        if (game_state == STATE_LEVEL_COMPLETE) PrintSummary(out, "level-complete", level, frame);
        if (game_state == STATE_GAME_OVER) PrintSummary(out, "game-over", level + 1, frame);
        if (game_state == STATE_GAME_FINISHED) PrintSummary(out, "game-finished", level, frame);
        last_state = game_state;
    }
    if (!trace) return;
    int enemies = 0;
    for (const auto& pool : enemy_pools) enemies += CountActive(pool);
    std::fprintf(out, "%u %d %d %d %d %d %d %d %d %d %d %d %d %d\n", frame, game_state, score, lives, level, fuel,
                 camera_y, craft.vars[VAR_WORLD_X], craft.vars[VAR_WORLD_Y], scroll_speed, enemies,
                 CountActive(missiles), CountActive(fuel_depots), bridge.state);
}

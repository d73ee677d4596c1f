#include "tools/pilot/lookahead.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "app/game_state.h"
#include "app/shell.h"
#include "game/craft.h"
#include "game/fuel_depots.h"

namespace {

// The level ends once the craft climbs to this row.
constexpr int LEVEL_END_Y = 48;

long tries_made = 0;
long frames_tried = 0;
long tries_failed = 0;

int FuelMargin()
{
    const int y = craft.vars[VAR_WORLD_Y];
    int refuel_y = LEVEL_END_Y;
    for (const Sprite& depot : fuel_depots) {
        if (depot.state != 1) continue;
        if (CraftOverDepotRow(depot, y)) return fuel;
        if (depot.vars[VAR_WORLD_Y] > y) continue;
        // The lowest row over the depot, where refuelling starts.
        int reach = depot.vars[VAR_WORLD_Y];
        while (reach < y && CraftOverDepotRow(depot, reach + 1)) reach += 1;
        refuel_y = std::max(refuel_y, reach);
    }
    return fuel - (y - refuel_y);
}

PlanResult PlayTry(const PlanTry& plan, int frames)
{
    PlanResult result{};
    const int start_y = craft.vars[VAR_WORLD_Y];
    result.outcome = PLAN_ALIVE;
    for (int i = 0; i < frames; ++i) {
        unsigned keys = SteerKeys(plan.style);
        if (i < plan.prefix_frames) keys = (keys & ~PILOT_STEER_KEYS) | plan.prefix_keys;
        HoldPilotKeys(keys);
        AppFrame();
        result.keys[i] = static_cast<unsigned char>(keys);
        result.frames = i + 1;
        if (game_state == STATE_LEVEL_COMPLETE) {
            result.outcome = PLAN_LEVEL_DONE;
            break;
        }
        if (game_state != STATE_PLAYING) {
            result.outcome = PLAN_DIED;
            break;
        }
    }
    result.progress = start_y - craft.vars[VAR_WORLD_Y];
    result.fuel_margin = FuelMargin();
    return result;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReadAll(int fd, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = read(fd, data, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace

bool TryAhead(const PlanTry& plan, int frames, PlanResult* result)
{
    frames = std::clamp(frames, 1, LOOKAHEAD_FRAMES);
    tries_made += 1;
    int fds[2];
    if (pipe(fds) != 0) {
        tries_failed += 1;
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        tries_failed += 1;
        return false;
    }
    if (child == 0) {
        // The copy: plays on, reports, and leaves without running any exit
        // handler of the running game's (no flush, no leak check, no shut-down).
        close(fds[0]);
        const PlanResult played = PlayTry(plan, frames);
        const bool sent = WriteAll(fds[1], reinterpret_cast<const char*>(&played), sizeof played);
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    const bool got = ReadAll(fds[0], reinterpret_cast<char*>(result), sizeof *result);
    close(fds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        tries_failed += 1;
        return false;
    }
    frames_tried += result->frames;
    return true;
}

long TriesMade()
{
    return tries_made;
}

long FramesTried()
{
    return frames_tried;
}

long TriesFailed()
{
    return tries_failed;
}

#include "tools/pilot/pilot_plan.h"

#include <algorithm>
#include <array>

#include "app/game_state.h"
#include "tools/pilot/lookahead.h"

namespace {

// A plan that survives the whole look ahead is followed for this long, so
// that the next one looks as far again beyond it.
constexpr int SAFE_COMMIT = LOOKAHEAD_FRAMES / 2;
// A plan that crashes is followed only a little before searching again, from
// a state where other moves may open up.
constexpr int UNSAFE_COMMIT = 4;
// Escapes hold one steering and speed choice this long, then fly on by style.
constexpr int ESCAPE_FRAMES = 10;
// Five lanes at up to three speeds, and eight escapes.
constexpr int MAX_TRIES = 23;

std::array<unsigned char, LOOKAHEAD_FRAMES> plan_keys{};
int plan_length = 0;
int plan_next = 0;
PilotStyle last_style = DEFAULT_STYLE;
long hard_searches = 0;

bool SameStyle(const PilotStyle& a, const PilotStyle& b)
{
    return a.lane == b.lane && a.speed == b.speed;
}

bool Good(const PlanResult& result)
{
    return result.outcome == PLAN_LEVEL_DONE || (result.outcome == PLAN_ALIVE && result.fuel_margin >= 0);
}

// Ranks two tries: the level's end, then survival, then a later crash, then
// height climbed, then fuel.
bool Better(const PlanResult& a, const PlanResult& b)
{
    if (Good(a) != Good(b)) return Good(a);
    if ((a.outcome == PLAN_DIED) != (b.outcome == PLAN_DIED)) return b.outcome == PLAN_DIED;
    if (a.outcome == PLAN_DIED && a.frames != b.frames) return a.frames > b.frames;
    if (a.progress != b.progress) return a.progress > b.progress;
    return a.fuel_margin > b.fuel_margin;
}

void Adopt(const PlanResult& result, const PlanTry& plan)
{
    int commit = SAFE_COMMIT;
    if (result.outcome == PLAN_LEVEL_DONE) {
        commit = result.frames;
    } else if (result.outcome == PLAN_DIED) {
        commit = result.frames <= 2 * UNSAFE_COMMIT ? result.frames
                                                    : std::max(UNSAFE_COMMIT, result.frames - SAFE_COMMIT);
    }
    for (int i = 0; i < commit; ++i) plan_keys[i] = result.keys[i];
    plan_length = commit;
    plan_next = 0;
    if (plan.prefix_frames == 0) last_style = plan.style;
}

// The tries of a full search, most wanted first.
int SearchTries(std::array<PlanTry, MAX_TRIES>* tries)
{
    int count = 0;
    const int speeds[] = {5, 3, difficulty + 1};
    const int lanes[] = {0, -48, 48, -96, 96};
    for (int s = 0; s < 3; ++s) {
        // On hard the slowest speed is 3 already.
        if (s == 2 && speeds[2] >= speeds[1]) continue;
        for (int lane : lanes) (*tries)[count++] = PlanTry{{lane, speeds[s]}, 0, 0};
    }
    const unsigned steers[] = {PILOT_LEFT, PILOT_RIGHT, 0};
    const unsigned throttles[] = {PILOT_UP, PILOT_DOWN, 0};
    for (unsigned steer : steers) {
        for (unsigned throttle : throttles) {
            if (steer | throttle) (*tries)[count++] = PlanTry{DEFAULT_STYLE, steer | throttle, ESCAPE_FRAMES};
        }
    }
    return count;
}

void MakePlan()
{
    PlanResult best{};
    PlanTry best_try{};
    bool have_best = false;
    PlanResult result{};
    const auto consider = [&](const PlanTry& plan) {
        if (!TryAhead(plan, LOOKAHEAD_FRAMES, &result)) return false;
        if (Good(result)) {
            Adopt(result, plan);
            return true;
        }
        if (!have_best || Better(result, best)) {
            best = result;
            best_try = plan;
            have_best = true;
        }
        return false;
    };

    if (consider(PlanTry{DEFAULT_STYLE, 0, 0})) return;
    if (!SameStyle(last_style, DEFAULT_STYLE) && consider(PlanTry{last_style, 0, 0})) return;
    hard_searches += 1;
    std::array<PlanTry, MAX_TRIES> tries{};
    const int count = SearchTries(&tries);
    for (int i = 0; i < count; ++i) {
        if (tries[i].prefix_frames == 0 &&
            (SameStyle(tries[i].style, DEFAULT_STYLE) || SameStyle(tries[i].style, last_style))) {
            continue;
        }
        if (consider(tries[i])) return;
    }
    if (have_best) {
        Adopt(best, best_try);
        return;
    }
    // No copy of the game could be made: play on reflexes alone.
    plan_keys[0] = static_cast<unsigned char>(SteerKeys(last_style));
    plan_length = 1;
    plan_next = 0;
}

}  // namespace

unsigned NextPlayKeys()
{
    if (plan_next >= plan_length) MakePlan();
    return plan_keys[plan_next++];
}

void DropPlan()
{
    plan_length = 0;
    plan_next = 0;
    last_style = DEFAULT_STYLE;
}

long HardSearches()
{
    return hard_searches;
}

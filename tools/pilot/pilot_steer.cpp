#include "tools/pilot/pilot_steer.h"

#include <algorithm>

#include "app/game_state.h"
#include "game/bridge.h"
#include "game/craft.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/world_position.h"
#include "graphics/collision.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "tools/pilot/river_spans.h"

namespace {

constexpr int TOP_SPEED = -MAX_SCROLL_SPEED;
// Refuel at every depot met below this.
constexpr int REFUEL_BELOW = 960;
// How far ahead a depot is aimed for, and beyond a missile's reach.
constexpr int DEPOT_SIGHT = 420;
// A depot whose centre is lower than this below the craft's is behind the
// launch point of the craft's missiles.
constexpr int MISSILE_BEHIND = 40;
// Kept from the bank beside the river ahead.
constexpr int BANK_MARGIN = 6;
// The bridge is shot down from below; the craft crawls once this near it.
constexpr int BRIDGE_CRAWL_Y = 220;
// Frames of flight ahead in which a depot counts as reached.
constexpr int DEPOT_SLOWING_FRAMES = 4;
// The craft steers for the middle of the river this far ahead: a little
// more than its own half height, and more the faster it flies.
constexpr int LOOK_AHEAD_BASE = 24;
constexpr int LOOK_AHEAD_PER_SPEED = 8;
// A steering step is 4 pixels: closer than half a step counts as there.
constexpr int ON_TARGET = PLAYER_STEP / 2;

int CraftX()
{
    return craft.vars[VAR_WORLD_X];
}

int CraftY()
{
    return craft.vars[VAR_WORLD_Y];
}

int SlowestSpeed()
{
    return difficulty + 1;
}

// The standing depot the craft is over or will meet next within sight.
const Sprite* NextDepot(int y)
{
    const Sprite* next = nullptr;
    for (const Sprite& depot : fuel_depots) {
        if (depot.state != 1) continue;
        const int depot_y = depot.vars[VAR_WORLD_Y];
        const bool ahead = depot_y < y && depot_y > y - DEPOT_SIGHT;
        if (!ahead && !CraftOverDepotRow(depot, y)) continue;
        if (!next || depot_y > next->vars[VAR_WORLD_Y]) next = &depot;
    }
    return next;
}

// A missile fired now would bring down a depot still to be flown over.
bool DepotInLine(int x, int y)
{
    for (const Sprite& depot : fuel_depots) {
        if (depot.state != 1) continue;
        const int depot_y = depot.vars[VAR_WORLD_Y];
        if (depot_y < y + MISSILE_BEHIND && depot_y > y - DEPOT_SIGHT && MissileLineMeets(depot, x)) return true;
    }
    return false;
}

int InSpan(int x, const CraftSpan& span, int margin)
{
    if (span.right - span.left < 2 * margin) return (span.left + span.right) / 2;
    return std::clamp(x, span.left + margin, span.right - margin);
}

}  // namespace

bool CraftOverDepotRow(const Sprite& depot, int y)
{
    return RectsOverlap(WorldLeft(depot), WorldTop(depot), depot.width, depot.height,
                        depot.vars[VAR_WORLD_X] - CRAFT_WIDTH / 2, y - CRAFT_HEIGHT / 2, CRAFT_WIDTH,
                        CRAFT_HEIGHT) != 0;
}

bool MissileLineMeets(const Sprite& target, int x)
{
    const int y = target.vars[VAR_WORLD_Y];
    return RectsOverlap(x - MISSILE_SIZE / 2, y - MISSILE_SIZE / 2, MISSILE_SIZE, MISSILE_SIZE, WorldLeft(target),
                        WorldTop(target), target.width, target.height) != 0;
}

unsigned SteerKeys(const PilotStyle& style)
{
    const int x = CraftX();
    const int y = CraftY();
    const int speed = -scroll_speed;
    int want_speed = std::clamp(style.speed, SlowestSpeed(), TOP_SPEED);

    const int look = LOOK_AHEAD_BASE + LOOK_AHEAD_PER_SPEED * std::max(speed, 1);
    const CraftSpan ahead = CraftSpanAt(y - look, x);
    int target = InSpan((ahead.left + ahead.right) / 2 + style.lane, ahead, BANK_MARGIN);

    const Sprite* depot = NextDepot(y);
    if (depot && fuel < REFUEL_BELOW) {
        const int depot_x = depot->vars[VAR_WORLD_X];
        const int depot_y = depot->vars[VAR_WORLD_Y];
        // Over the depot anywhere across its middle; the lane only nudges.
        const int lane = std::clamp(style.lane, -depot->width / 2, depot->width / 2);
        target = InSpan(depot_x + lane, CraftSpanAt(depot_y, depot_x), BANK_MARGIN);
        if (CraftOverDepotRow(*depot, y - DEPOT_SLOWING_FRAMES * speed)) want_speed = SlowestSpeed();
    }
    if (bridge.state == 1 && y - bridge.vars[VAR_WORLD_Y] < BRIDGE_CRAWL_Y) want_speed = SlowestSpeed();

    unsigned keys = 0;
    if (target > x + ON_TARGET) {
        keys |= PILOT_RIGHT;
    } else if (target < x - ON_TARGET) {
        keys |= PILOT_LEFT;
    }
    if (speed < want_speed) {
        keys |= PILOT_UP;
    } else if (speed > want_speed) {
        keys |= PILOT_DOWN;
    }
    if (!DepotInLine(x, y)) keys |= PILOT_FIRE;
    return keys;
}

KeySnapshot PilotKeySnapshot(unsigned keys)
{
    KeySnapshot snapshot{};
    if (keys & PILOT_LEFT) snapshot[DIK_LEFT] = 0x80;
    if (keys & PILOT_RIGHT) snapshot[DIK_RIGHT] = 0x80;
    if (keys & PILOT_UP) snapshot[DIK_UP] = 0x80;
    if (keys & PILOT_DOWN) snapshot[DIK_DOWN] = 0x80;
    if (keys & PILOT_FIRE) snapshot[DIK_SPACE] = 0x80;
    return snapshot;
}

void HoldPilotKeys(unsigned keys)
{
    HeadlessSetKeys(PilotKeySnapshot(keys).data());
}

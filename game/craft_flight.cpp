// One frame of the craft's flight: the camera band, the crashes, fuel, the
// level's end and the screen's edges. The dying frame runs it too, so the
// unseen craft flies on, burns fuel and keeps crashing.
#include "app/game_state.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/craft_fuel.h"
#include "game/explosions.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "game/world_position.h"
#include "graphics/display.h"
#include "sound/game_sounds.h"

namespace {

// The level ends once the craft climbs this high with the bridge down.
constexpr int LEVEL_END_Y = 48;
constexpr int CAMERA_LAST_Y = CAMERA_START_Y;

int& WorldX() { return craft.vars[VAR_WORLD_X]; }
int& WorldY() { return craft.vars[VAR_WORLD_Y]; }

void Crash()
{
    craft.state = 0;
    StartExplosion(WorldX(), WorldY(), EXPLOSION_SIZE, EXPLOSION_SIZE, 0, 0);
    PlayExplosionSound();
    game_state = STATE_DYING;
}

// Follow the craft with the camera while it is in the middle band of the
// screen; otherwise the craft itself moves on the screen.
void MoveCameraOrCraft()
{
    const int half_screen = screen_height / 2;
    const int half_craft = craft.height / 2;
    const bool in_band = craft.y > static_cast<float>(half_screen - half_craft) &&
                         craft.y < static_cast<float>(half_screen + half_craft);
    if (in_band && camera_y + scroll_speed > 0) {
        camera_y += scroll_speed;
    } else {
        craft.y += static_cast<float>(scroll_speed);
    }
}

void TestEnemyMissiles()
{
    const int hit =
        FindMissileHit(OWNER_ENEMY, WorldLeft(craft), WorldTop(craft), craft.width, craft.height);
    if (hit < 0) return;
    RetireMissile(&missiles[hit]);
    Crash();
}

// The craft crashes where it was before this frame's motion; the camera
// keeps whatever step it took.
void TestBank()
{
    if (!TouchesBank(craft)) return;
    craft.x -= static_cast<float>(player_dx);
    WorldX() -= player_dx;
    WorldY() -= scroll_speed;
    craft.y -= static_cast<float>(scroll_speed);
    Crash();
}

void TestBridge()
{
    if (bridge.state != 1 || !OverlapsCraft(bridge)) return;
    bridge.state = 0;
    craft.state = 0;
    StartExplosion(WorldX(), WorldY(), EXPLOSION_SIZE, EXPLOSION_SIZE, 0, 0);
    StartExplosion(bridge.vars[VAR_WORLD_X], bridge.vars[VAR_WORLD_Y], BRIDGE_EXPLOSION_SIZE,
                   BRIDGE_EXPLOSION_SIZE, 0, 0);
    PlayExplosionSound();
    PlayExplosionSound();
    game_state = STATE_DYING;
}

void KeepOnScreen()
{
    if (craft.x < 0.0f || craft.x > static_cast<float>(screen_width - craft.width)) {
        WorldX() -= player_dx;
        craft.x -= static_cast<float>(player_dx);
    }
    if (craft.y < 0.0f || craft.y > static_cast<float>(screen_height - craft.height)) {
        WorldY() -= scroll_speed;
        craft.y -= static_cast<float>(scroll_speed);
    }
}

}  // namespace

void UpdateCraft()
{
    MoveCameraOrCraft();

    WorldY() += scroll_speed;
    WorldX() += player_dx;
    craft.x += static_cast<float>(player_dx);

    if (WorldY() <= LEVEL_END_Y && bridge.state == 0) {
        level += 1;
        game_state = STATE_LEVEL_COMPLETE;
        return;
    }

    TestEnemyMissiles();
    TestBank();
    if (!RefuelCraft()) BurnFuel();
    if (fuel <= 0) Crash();
    TestBridge();

    if (camera_y < 0) {
        camera_y = 0;
    } else if (camera_y > CAMERA_LAST_Y) {
        camera_y = CAMERA_LAST_Y;
    }
    KeepOnScreen();
}

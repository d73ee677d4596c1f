// The bridge at the top of the river.
#include "game/bridge.h"

#include "app/game_state.h"
#include "game/explosions.h"
#include "game/missiles.h"
#include "game/sheet_sprite.h"
#include "game/world_position.h"
#include "graphics/display.h"
#include "sound/game_sounds.h"

Sprite bridge;
int bridge_x = 288;
int bridge_y = 32;

int LoadBridge()
{
    const int cut = LoadSheetSprite(&bridge, "art/bridge.bmp", BRIDGE_WIDTH, BRIDGE_HEIGHT, 1, 1,
                                    SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, nullptr);
    bridge.state = 0;
    return cut;
}

void ClearBridge()
{
    bridge.state = 0;
}

void PlaceBridge()
{
    bridge.vars[VAR_WORLD_X] = bridge_x;
    bridge.vars[VAR_WORLD_Y] = bridge_y;
    SetScreenFromWorld(&bridge);
    bridge.state = 1;
    bridge.xv = 0.0f;
    bridge.yv = 0.0f;
}

void HitBridge()
{
    if (bridge.state != 1) return;
    const int hit = FindMissileHit(OWNER_PLAYER, WorldLeft(bridge), WorldTop(bridge), bridge.width,
                                   bridge.height);
    if (hit < 0) return;
    RetireMissile(&missiles[hit]);
    bridge.state = 0;
    StartExplosion(bridge.vars[VAR_WORLD_X], bridge.vars[VAR_WORLD_Y], BRIDGE_EXPLOSION_SIZE,
                   BRIDGE_EXPLOSION_SIZE, 0, 0);
    PlayExplosionSound();
    score += BRIDGE_SCORE;
}

void DrawBridge()
{
    if (bridge.state != 1) return;
    SetScreenFromWorld(&bridge);
    DrawSprite(&bridge, back_surface);
}

int DestroyBridge()
{
    return DestroySprite(&bridge);
}
